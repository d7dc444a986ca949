#pragma once

#include "Form.h"
#include "Picture.h"
#include "Platform.h"

#include <filesystem>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <vector>

namespace lumenary {

// The forms runtime: the registry of loaded screens (one global instance per screen type,
// created on first reference), which screens are shown and in what order, ending the program,
// and the services screens reach through the platform. One Runtime exists at a time; main()
// and each test make their own.
class Runtime {
public:
    explicit Runtime(Platform& platform);
    ~Runtime();
    Runtime(const Runtime&) = delete;
    Runtime& operator=(const Runtime&) = delete;

    static Runtime& current();
    Platform& platform() const { return platform_; }

    // The screen of type F, loading it (running its Form_Load) if it is not loaded.
    template <class F>
    F& form() {
        if (Form* existing = find(typeid(F))) return static_cast<F&>(*existing);
        auto made = std::make_unique<F>();
        F& ref = *made;
        load(std::move(made), typeid(F));
        return ref;
    }
    template <class F>
    bool isLoaded() const { return find(typeid(F)) != nullptr; }

    void show(Form& form);
    // Unloading a screen that is not loaded does nothing. The object lives on until the event
    // being handled is over (collectUnloaded), so a handler may unload its own screen.
    void unload(Form& form);
    void end(int status = 0);
    bool hasEnded() const { return ended_; }
    int exitStatus() const { return exitStatus_; }

    std::vector<Form*> loadedForms() const;
    // Shown screens, back to front.
    const std::vector<Form*>& visibleForms() const { return visible_; }

    // Runs one event's handling. An error that escapes it is reported and ends the program with
    // status 1. Screens unloaded meanwhile are freed afterwards. Returns false after an error.
    template <class Handler>
    bool dispatch(Handler&& handler) {
        bool ok = true;
        try {
            if (!ended_) handler();
        } catch (const std::exception& error) {
            ok = false;
            fail(error.what());
        }
        collectUnloaded();
        return ok;
    }
    void collectUnloaded();

    // A JPEG, GIF or BMP picture by path relative to the program's folder; "" gives no picture.
    Picture loadPicture(std::string_view path);

private:
    Form* find(const std::type_index& type) const;
    void load(std::unique_ptr<Form> form, const std::type_index& type);
    void fail(const std::string& message);

    struct Entry {
        std::type_index type;
        std::unique_ptr<Form> form;
    };

    // Pictures decoded and still shown somewhere, by the path the screen wrote, with the file's
    // size and time when it was read: another screen showing one gets it without decoding it
    // again, a file replaced meanwhile is read afresh, and a picture no screen holds any more
    // is freed with its last screen rather than kept for the rest of the lesson.
    struct DecodedPicture {
        std::uintmax_t bytes;
        std::filesystem::file_time_type modified;
        Picture::Weak picture;
    };

    Platform& platform_;
    std::map<std::string, DecodedPicture, std::less<>> pictures_;
    std::vector<Entry> loaded_;
    std::vector<std::unique_ptr<Form>> unloaded_;
    std::vector<Form*> visible_;
    bool ended_ = false;
    int exitStatus_ = 0;
};

// The calls screens make, named as the screens' own code names them.
template <class F>
F& form() { return Runtime::current().form<F>(); }
void Unload(Form& form);
void End();
Picture LoadPicture(std::string_view path);
void Randomize();
float Rnd();
void ShellExecute(const Form* owner, const std::string& operation, const std::string& target);

namespace Screen {
Twips Width();
Twips Height();
void setMousePointer(int pointer);
inline constexpr int defaultPointer = 0;
inline constexpr int busyPointer = 11;
}  // namespace Screen

}  // namespace lumenary
