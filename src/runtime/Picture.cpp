#include "Picture.h"

#include <algorithm>
#include <stdexcept>

namespace lumenary {

Picture::Picture(int width, int height, std::vector<std::uint32_t> argb, std::string sourcePath) {
    if (width <= 0 || height <= 0 || argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throw std::invalid_argument("picture pixel buffer does not match its size");
    const bool opaque = std::all_of(argb.begin(), argb.end(), [](std::uint32_t p) { return p >> 24 == 0xff; });
    auto owner = std::make_shared<const std::vector<std::uint32_t>>(std::move(argb));
    data_ = std::make_shared<const Data>(Data{width, height, {owner, owner->data()}, opaque, std::move(sourcePath)});
}

Picture::Picture(int width, int height, std::shared_ptr<const std::uint32_t> pixels, bool opaque, std::string sourcePath) {
    if (width <= 0 || height <= 0 || !pixels) throw std::invalid_argument("picture without pixels");
    data_ = std::make_shared<const Data>(Data{width, height, std::move(pixels), opaque, std::move(sourcePath)});
}

const std::string& Picture::sourcePath() const {
    static const std::string none;
    return data_ ? data_->sourcePath : none;
}

Picture Picture::Weak::lock() const { return Picture(data_.lock()); }

}  // namespace lumenary
