#pragma once

#include "Form.h"
#include "Picture.h"
#include "Platform.h"

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumenary {

// The forms runtime: the registry of loaded screens (one instance per screen name, created on
// first reference), which screens are shown and in what order, ending the program,
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

    using FormMaker = std::function<std::unique_ptr<Form>()>;
    // The screen of this name, made and loaded (running its Form_Load) if it is not loaded.
    Form& form(std::string_view name, const FormMaker& make);
    // The loaded screen of this name, or none.
    Form* loaded(std::string_view name) const;

    // A screen with a class of its own, by the name the class gives it.
    template <class F>
    F& form() {
        Form& found = form(F::screenName, [] { return std::unique_ptr<Form>(std::make_unique<F>()); });
        return checkedCast<F>(found);
    }

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

    // A loaded screen as the class its name stands for.
    template <class F>
    static F& checkedCast(Form& form) {
        if (auto* typed = dynamic_cast<F*>(&form)) return *typed;
        throw RuntimeError("The screen " + form.name() + " is not of the kind asked for");
    }

private:
    void fail(const std::string& message);

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
    std::vector<std::unique_ptr<Form>> loaded_;
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
