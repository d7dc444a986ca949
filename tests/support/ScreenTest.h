#pragma once

#include "activities/labelling/LabellingScreen.h"
#include "activities/questions/QuestionScreen.h"
#include "menus/TopicMenu.h"
#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/Form.h"
#include "runtime/Platform.h"
#include "runtime/Runtime.h"
#include "runtime/RuntimeError.h"

#include <gtest/gtest.h>

#include <deque>
#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace lumenary::testing {

// A deterministic platform: a fixed desktop, scripted random draws, and a record of every
// pointer change, shell call and error report. Pictures are real files decoded by the real
// decoder, from the built program folder unless a test points elsewhere.
class TestPlatform : public Platform {
public:
    struct ShellCall { const Form* owner; std::string operation, target; };

    std::filesystem::path folder = LUMENARY_APP_DIR;
    TwipsSize desktop{15360, 11520};
    FrameMargins margins{60, 450, 60, 60};
    std::deque<float> draws;
    int reseeds = 0;
    std::vector<int> pointerChanges;
    std::vector<ShellCall> shellCalls;
    std::vector<std::string> errors;
    // The next this-many decodes fail as if the file were malformed.
    int failingDecodes = 0;

    std::filesystem::path programFolder() const override { return folder; }
    TwipsSize desktopSize() const override { return desktop; }
    FrameMargins frameMargins() const override { return margins; }
    void setMousePointer(int pointer) override { pointerChanges.push_back(pointer); }
    void randomize() override { ++reseeds; }
    float rnd() override {
        if (draws.empty()) throw std::logic_error("the test scripted no more random draws");
        const float next = draws.front();
        draws.pop_front();
        return next;
    }
    void shellExecute(const Form* owner, const std::string& operation, const std::string& target) override {
        shellCalls.push_back({owner, operation, target});
    }
    void reportError(const std::string& message) override { errors.push_back(message); }
    Picture applicationIcon() override { return Picture(16, 16, std::vector<std::uint32_t>(256, 0xff0000ffu), "icon"); }
    Picture decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, const std::string& displayPath) override {
        if (failingDecodes > 0 && failingDecodes--) throw RuntimeError("Cannot load picture \"" + displayPath + "\": scripted failure");
        return decodePictureWithQt(bytes, qtFormatName(format), displayPath);
    }
};

// A form that logs every event its controls and its bare background receive, e.g.
// "Down label b1 100,200; Click label; " (button bits, shift bits when any, relative twips).
class LogForm : public Form {
public:
    static constexpr const char* screenName = "LogForm";
    LogForm() : Form(screenName) {}

    template <class C>
    C& place(const std::string& name, Twips left, Twips top, Twips width, Twips height, Frame* frame = nullptr) {
        C& made = add<C>(name, -1, frame);
        made.Left = left, made.Top = top, made.Width = width, made.Height = height;
        const auto note = [this, name](const char* what) {
            return [this, name, what](int, int button, int shift, Twips x, Twips y) { write(what, name, button, shift, x, y); };
        };
        ControlEvents& on = *made.events();
        on.MouseDown = note("Down"), on.MouseMove = note("Move"), on.MouseUp = note("Up");
        on.Click = [this, name](int) { log += "Click " + name + "; "; };
        return made;
    }
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override { write("Move", "form", button, shift, x, y); }
    std::string take() { return std::exchange(log, {}); }

    std::string log;

private:
    void write(const char* what, const std::string& name, int button, int shift, Twips x, Twips y) {
        log += std::string(what) + " " + name + " b" + std::to_string(button) + (shift ? " s" + std::to_string(shift) : "") + " " +
               std::to_string(int(x)) + "," + std::to_string(int(y)) + "; ";
    }
};

// The program's screens that have no class of their own, by name, typed as what plays them.
template <class S>
struct ScreenName {
    const char* name;
};
inline constexpr ScreenName<LabellingScreen> phaseslab{"phaseslab"}, weatherlab{"weatherlab"};
inline constexpr ScreenName<QuestionScreen> newtonmeter{"newtonmeter"}, magnets{"magnets"}, magnets2{"magnets2"};
inline constexpr ScreenName<TopicMenu> menu1{"menu1"}, menu2{"menu2"}, menu3{"menu3"}, menu4{"menu4"}, menu5{"menu5"};

// The screen of that name, made and loaded as the program makes it.
Form& programScreen(const char* name);
template <class S>
S& screen(ScreenName<S> named) { return Runtime::checkedCast<S>(programScreen(named.name)); }

// A fresh runtime on the test platform for each test, with the pointer moves a person makes.
class ScreenTest : public ::testing::Test {
protected:
    TestPlatform platform;
    Runtime runtime{platform};

    // Each input is one handled event, as the binding delivers it: errors that escape are
    // reported, and screens unloaded meanwhile are freed afterwards.
    void press(Form& form, Twips x, Twips y, int button = mouse::left) {
        runtime.dispatch([&] { form.mouseDown({.button = button, .buttons = button, .at = {x, y}}); });
    }
    void moveTo(Form& form, Twips x, Twips y, int buttons = 0) { runtime.dispatch([&] { form.mouseMove({.buttons = buttons, .at = {x, y}}); }); }
    void release(Form& form, Twips x, Twips y, int button = mouse::left) { runtime.dispatch([&] { form.mouseUp({.button = button, .at = {x, y}}); }); }
    // Press and release in the middle of a control; the pointer moved over its middle with no button held.
    void click(const Control& c) { press(c.form(), middleX(c), middleY(c)), release(c.form(), middleX(c), middleY(c)); }
    void hover(const Control& c) { moveTo(c.form(), middleX(c), middleY(c)); }
    static Twips middleX(const Control& c) { return c.absoluteLeft() + c.Width / 2; }
    static Twips middleY(const Control& c) { return c.absoluteTop() + c.Height / 2; }
    // Drags a control as a pupil does (press on its middle, move with the left button, release)
    // so that its top-left corner ends at (left, top), or on a box's, before the drop.
    void dropAt(const Control& c, Twips left, Twips top) {
        press(c.form(), c.Left + c.Width / 2, c.Top + c.Height / 2);
        moveTo(c.form(), left + c.Width / 2, top + c.Height / 2, mouse::left);
        release(c.form(), left + c.Width / 2, top + c.Height / 2);
    }
    void dropOn(const Control& control, const Control& box) { dropAt(control, box.Left, box.Top); }

    // Shows a screen as a handler would; the screen.
    template <class S>
    S& open() { return runtime.dispatch([] { form<S>().Show(); }), runtime.form<S>(); }
    template <class S>
    S& open(ScreenName<S> named) { return runtime.dispatch([&] { screen(named).Show(); }), screen(named); }

    // Names of the shown screens, back to front, e.g. "intro0 menu2", and of every loaded screen in load order.
    std::string shownScreens() const { return names(runtime.visibleForms()); }
    std::string loadedScreens() const { return names(runtime.loadedForms()); }
    static std::string names(const std::vector<Form*>& forms) {
        std::string names;
        for (const Form* form : forms) names += (names.empty() ? "" : " ") + form->name();
        return names;
    }
};

// Shows a screen, as a handler does. For tables of screens.
template <class S>
void show() { form<S>().Show(); }

// Every screen of the program: its name, how to show it, whether the standard set-up makes it.
struct ScreenKind { const char* name; void (*show)(); bool standard; };
const std::vector<ScreenKind>& everyScreen();

// A copy of the built program folder that a test may break, removed afterwards.
class ProgramFolderCopy {
public:
    // Every file of the copy gets one time, whatever order the copying took: a sharper variant
    // copied before its picture would otherwise count as stale.
    ProgramFolderCopy() {
        namespace fs = std::filesystem;
        fs::copy(LUMENARY_APP_DIR, path_, fs::copy_options::recursive);
        const auto copied = fs::file_time_type::clock::now();
        for (const auto& entry : fs::recursive_directory_iterator(path_))
            if (entry.is_regular_file()) fs::last_write_time(entry.path(), copied);
    }
    ~ProgramFolderCopy() { std::error_code ignored; std::filesystem::remove_all(path_, ignored); }
    ProgramFolderCopy(const ProgramFolderCopy&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    const std::filesystem::path path_ = std::filesystem::temp_directory_path() / ("lumenary-test-" + std::to_string(std::random_device{}()));
};

}  // namespace lumenary::testing
