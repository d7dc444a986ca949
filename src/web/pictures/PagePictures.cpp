#include "web/pictures/PagePictures.h"

#include "runtime/PicturePath.h"
#include "runtime/RuntimeError.h"

#include <emscripten.h>

namespace lumenary {

namespace {

EM_JS(void, js_addPicture, (int id, const std::uint32_t* argb, int width, int height, const char* sitePath), {
    Lumenary.pictures.add(id, HEAPU8.subarray(argb, argb + 4 * width * height), width, height, UTF8ToString(sitePath));
});
EM_JS(void, js_forgetPicture, (int id), { Lumenary.pictures.forget(id); });

}  // namespace

int PagePictures::idOf(const Picture& picture) {
    if (const auto known = held_.find(picture.pixels()); known != held_.end() && known->second.picture.lock() == picture)
        return known->second.id;
    for (auto it = held_.begin(); it != held_.end();) {
        if (it->second.picture.expired()) {
            js_forgetPicture(it->second.id);
            it = held_.erase(it);
        } else {
            ++it;
        }
    }
    const int id = nextId_++;
    js_addPicture(id, picture.pixels(), picture.width(), picture.height(), sitePathOf(picture).c_str());
    held_[picture.pixels()] = {Picture::Weak(picture), id};
    return id;
}

std::string PagePictures::sitePathOf(const Picture& picture) const {
    if (picture.sourcePath().empty()) return {};
    try {
        return resolvePicturePath(folder_, picture.sourcePath()).lexically_relative(folder_).generic_string();
    } catch (const RuntimeError&) {
        return {};
    }
}

}  // namespace lumenary
