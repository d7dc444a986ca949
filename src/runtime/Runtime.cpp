#include "Runtime.h"

#include "PictureFile.h"
#include "PicturePath.h"

#include <algorithm>
#include <cassert>
#include <fstream>
#include <iterator>

namespace lumenary {

namespace {
Runtime* currentRuntime = nullptr;

std::vector<std::uint8_t> readAll(std::ifstream& in) {
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// In one read when the size is known: no byte-by-byte copy, no buffer grown by doubling.
std::vector<std::uint8_t> readAll(std::ifstream& in, std::uintmax_t size) {
    std::vector<std::uint8_t> bytes(size);
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size));
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return bytes;
}
}  // namespace

Runtime::Runtime(Platform& platform) : platform_(platform) {
    assert(!currentRuntime && "one Runtime at a time");
    currentRuntime = this;
}

Runtime::~Runtime() {
    visible_.clear();
    // Forms may refer to one another while being destroyed; unload them all before freeing any.
    for (auto& entry : loaded_) unloaded_.push_back(std::move(entry.form));
    loaded_.clear();
    unloaded_.clear();
    currentRuntime = nullptr;
}

Runtime& Runtime::current() {
    assert(currentRuntime && "no Runtime");
    return *currentRuntime;
}

Form* Runtime::find(const std::type_index& type) const {
    for (const auto& entry : loaded_)
        if (entry.type == type) return entry.form.get();
    return nullptr;
}

void Runtime::load(std::unique_ptr<Form> form, const std::type_index& type) {
    Form& ref = *form;
    ref.loaded_ = true;
    loaded_.push_back({type, std::move(form)});
    try {
        ref.Form_Load();
    } catch (...) {
        unload(ref);
        throw;
    }
}

void Runtime::show(Form& form) {
    if (!form.loaded_) return;
    form.visible_ = true;
    std::erase(visible_, &form);
    visible_.push_back(&form);
    if (!form.focused()) form.focusFirst();
}

void Runtime::unload(Form& form) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [&](const Entry& e) { return e.form.get() == &form; });
    if (it == loaded_.end()) return;
    form.loaded_ = false;
    form.visible_ = false;
    std::erase(visible_, &form);
    unloaded_.push_back(std::move(it->form));
    loaded_.erase(it);
}

void Runtime::end(int status) {
    if (!ended_) exitStatus_ = status;
    ended_ = true;
    while (!loaded_.empty()) unload(*loaded_.back().form);
}

void Runtime::fail(const std::string& message) {
    platform_.reportError(message);
    end(1);
}

void Runtime::collectUnloaded() { unloaded_.clear(); }

std::vector<Form*> Runtime::loadedForms() const {
    std::vector<Form*> forms;
    for (const auto& entry : loaded_) forms.push_back(entry.form.get());
    return forms;
}

Picture Runtime::loadPicture(std::string_view path) {
    if (path.empty()) return {};
    const std::string shown(path);
    const std::filesystem::path file = resolvePicturePath(platform_.programFolder(), path);
    std::error_code sizeError, timeError;
    const std::uintmax_t bytesOnDisk = std::filesystem::file_size(file, sizeError);
    const auto modified = std::filesystem::last_write_time(file, timeError);
    std::erase_if(pictures_, [](const auto& entry) { return entry.second.picture.expired(); });
    if (const auto known = pictures_.find(shown);
        known != pictures_.end() && !sizeError && !timeError && known->second.bytes == bytesOnDisk && known->second.modified == modified)
        return known->second.picture.lock();
    if (bytesOnDisk > maxPictureFileBytes && !sizeError)
        throw RuntimeError("Cannot load picture \"" + shown + "\": the file is too large");
    std::ifstream in(file, std::ios::binary);
    if (!in) throw RuntimeError("Cannot load picture \"" + shown + "\": the file cannot be opened");
    const std::vector<std::uint8_t> bytes = sizeError ? readAll(in) : readAll(in, bytesOnDisk);
    const PictureHeader header = checkPictureFile(bytes, shown);
    Picture picture = platform_.decodePicture(bytes, header.format, shown);
    if (!sizeError && !timeError) pictures_[shown] = {bytesOnDisk, modified, Picture::Weak(picture)};
    return picture;
}

void Unload(Form& form) { Runtime::current().unload(form); }
void End() { Runtime::current().end(0); }
Picture LoadPicture(std::string_view path) { return Runtime::current().loadPicture(path); }
void Randomize() { Runtime::current().platform().randomize(); }
float Rnd() { return Runtime::current().platform().rnd(); }
void ShellExecute(const Form* owner, const std::string& operation, const std::string& target) {
    Runtime::current().platform().shellExecute(owner, operation, target);
}

namespace Screen {
Twips Width() { return Runtime::current().platform().desktopSize().Width; }
Twips Height() { return Runtime::current().platform().desktopSize().Height; }
void setMousePointer(int pointer) { Runtime::current().platform().setMousePointer(pointer); }
}  // namespace Screen

}  // namespace lumenary
