#include "Runtime.h"

#include "PictureFile.h"
#include "PicturePath.h"
#include "language/Translation.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace lumenary {

namespace {
Runtime* currentRuntime = nullptr;

// A misuse of the runtime by the program itself, which no pupil could cause: it stops the program
// in every build, saying why, rather than let screens run against the wrong registry or none.
void require(bool holds, const char* misuse) {
    if (holds) return;
    std::fprintf(stderr, "lumenary: %s\n", misuse);
    std::abort();
}

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
    require(!currentRuntime, "one Runtime at a time");
    currentRuntime = this;
}

Runtime::~Runtime() {
    visible_.clear();
    // Forms may refer to one another while being destroyed; unload them all before freeing any.
    for (auto& form : loaded_) unloaded_.push_back(std::move(form));
    loaded_.clear();
    unloaded_.clear();
    currentRuntime = nullptr;
}

Runtime& Runtime::current() {
    require(currentRuntime, "no Runtime");
    return *currentRuntime;
}

Form* Runtime::loaded(std::string_view name) const {
    for (const auto& form : loaded_)
        if (form->name() == name) return form.get();
    return nullptr;
}

Form& Runtime::form(std::string_view name, const FormMaker& make) {
    if (Form* existing = loaded(name)) return *existing;
    std::unique_ptr<Form> made = make();
    require(made && made->name() == name, "a screen was made under another name than it was asked for by");
    Form& ref = *made;
    ref.loaded_ = true;
    loaded_.push_back(std::move(made));
    try {
        ref.Form_Load();
    } catch (...) {
        unload(ref);
        throw;
    }
    return ref;
}

void Runtime::show(Form& form) {
    if (!form.loaded_) return;
    form.visible_ = true;
    std::erase(visible_, &form);
    visible_.push_back(&form);
    if (!form.focused()) form.focusFirst();
}

void Runtime::unload(Form& form) {
    auto it = std::find_if(loaded_.begin(), loaded_.end(), [&](const auto& loaded) { return loaded.get() == &form; });
    if (it == loaded_.end()) return;
    form.loaded_ = false;
    form.visible_ = false;
    std::erase(visible_, &form);
    unloaded_.push_back(std::move(*it));
    loaded_.erase(it);
}

void Runtime::end(int status) {
    if (!ended_) exitStatus_ = status;
    ended_ = true;
    while (!loaded_.empty()) unload(*loaded_.back());
}

void Runtime::fail(const std::string& message) {
    platform_.reportError(message);
    end(1);
}

void Runtime::collectUnloaded() { unloaded_.clear(); }

std::vector<Form*> Runtime::loadedForms() const {
    std::vector<Form*> forms;
    for (const auto& form : loaded_) forms.push_back(form.get());
    return forms;
}

Picture Runtime::loadPicture(std::string_view written) {
    if (written.empty()) return {};
    const std::string shown = pictureInLanguage(platform_.programFolder(), written, languageInForce());
    const std::string_view path = shown;
    const std::filesystem::path file = resolvePicturePath(platform_.programFolder(), path);
    std::error_code sizeError, timeError;
    const std::uintmax_t bytesOnDisk = std::filesystem::file_size(file, sizeError);
    const auto modified = std::filesystem::last_write_time(file, timeError);
    std::erase_if(pictures_, [](const auto& entry) { return entry.second.picture.expired(); });
    if (const auto known = pictures_.find(shown);
        known != pictures_.end() && !sizeError && !timeError && known->second.bytes == bytesOnDisk && known->second.modified == modified)
        return known->second.picture.lock();
    if (bytesOnDisk > maxPictureFileBytes && !sizeError)
        throw pictureError(shown, tr(N_("the file is too large")));
    std::ifstream in(file, std::ios::binary);
    if (!in) throw pictureError(shown, tr(N_("the file cannot be opened")));
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
