#pragma once

#include "TestPlatform.h"
#include "runtime/Runtime.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <random>
#include <string>
#include <vector>

namespace lumenary::testing {

// A fresh runtime on the test platform for each test, with the pointer moves a person makes.
class ScreenTest : public ::testing::Test {
protected:
    TestPlatform platform;
    Runtime runtime{platform};

    // Each input is one handled event, as the binding delivers it: errors that escape are
    // reported, and screens unloaded meanwhile are freed afterwards.
    void press(Form& form, Twips x, Twips y, int button = mouse::left);
    void moveTo(Form& form, Twips x, Twips y, int buttons = 0);
    void release(Form& form, Twips x, Twips y, int button = mouse::left);
    // Press and release in the middle of a control.
    void click(const Control& control);
    // Moves the pointer over the middle of a control with no button held.
    void hover(const Control& control);
    // Drags a control as a pupil does (press on its middle, move with the left button, release)
    // so that its top-left corner ends at (left, top), or on a box's, before the drop.
    void dropAt(const Control& control, Twips left, Twips top);
    void dropOn(const Control& control, const Control& box) { dropAt(control, box.Left, box.Top); }

    // Shows a screen as a handler would; the screen.
    template <class S>
    S& open() {
        runtime.dispatch([] { form<S>().Show(); });
        return runtime.form<S>();
    }

    // Names of the shown screens, back to front, e.g. "intro0 menu2".
    std::string shownScreens() const;
    // Names of every loaded screen in load order.
    std::string loadedScreens() const;
};

// Shows a screen, as a handler does; `shown` gives it back too. For tables of screens.
template <class S>
void show() { form<S>().Show(); }
template <class S>
Form& shown() {
    form<S>().Show();
    return form<S>();
}

// Every screen of the program: its name, how to show it, whether the standard set-up makes it.
struct ScreenKind {
    const char* name;
    void (*show)();
    bool standard;
};
const std::vector<ScreenKind>& everyScreen();

// A copy of the built program folder that a test may break, removed afterwards.
class ProgramFolderCopy {
public:
    ProgramFolderCopy() { std::filesystem::copy(LUMENARY_APP_DIR, path_, std::filesystem::copy_options::recursive); }
    ~ProgramFolderCopy() { std::error_code ignored; std::filesystem::remove_all(path_, ignored); }
    ProgramFolderCopy(const ProgramFolderCopy&) = delete;
    const std::filesystem::path& path() const { return path_; }

private:
    const std::filesystem::path path_ = std::filesystem::temp_directory_path() / ("lumenary-test-" + std::to_string(std::random_device{}()));
};

}  // namespace lumenary::testing
