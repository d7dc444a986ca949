#include "ScreenTest.h"

#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

#include <algorithm>

#include <random>

namespace lumenary::testing {

namespace fs = std::filesystem;

void ScreenTest::press(Form& form, Twips x, Twips y, int button) {
    runtime.dispatch([&] { form.mouseDown({.button = button, .buttons = button, .at = {x, y}}); });
}

void ScreenTest::moveTo(Form& form, Twips x, Twips y, int buttons) {
    runtime.dispatch([&] { form.mouseMove({.buttons = buttons, .at = {x, y}}); });
}

void ScreenTest::release(Form& form, Twips x, Twips y, int button) {
    runtime.dispatch([&] { form.mouseUp({.button = button, .at = {x, y}}); });
}

void ScreenTest::click(const Control& control) {
    Form& form = control.form();
    const Twips x = control.absoluteLeft() + control.Width / 2;
    const Twips y = control.absoluteTop() + control.Height / 2;
    press(form, x, y);
    release(form, x, y);
}

void ScreenTest::hover(const Control& control) {
    moveTo(control.form(), control.absoluteLeft() + control.Width / 2, control.absoluteTop() + control.Height / 2);
}

std::string ScreenTest::shownScreens() const {
    std::string names;
    for (const Form* form : runtime.visibleForms()) names += (names.empty() ? "" : " ") + form->name();
    return names;
}

std::string ScreenTest::loadedScreens() const {
    std::string names;
    for (const Form* form : runtime.loadedForms()) names += (names.empty() ? "" : " ") + form->name();
    return names;
}

const std::vector<ScreenKind>& everyScreen() {
    static const std::vector<ScreenKind> screens = {
        {"Titlefrm", show<Titlefrm>, false}, {"intro0", show<intro0>, true},       {"menu1", show<menu1>, true},
        {"menu2", show<menu2>, true},       {"menu3", show<menu3>, true},         {"menu4", show<menu4>, true},
        {"menu5", show<menu5>, true},       {"phaseslab", show<phaseslab>, true}, {"weatherlab", show<weatherlab>, true},
        {"newtonmeter", show<newtonmeter>, true}, {"magnets", show<magnets>, true}, {"magnets2", show<magnets2>, true},
    };
    return screens;
}

ProgramFolderCopy::ProgramFolderCopy() {
    std::random_device seed;
    path_ = fs::temp_directory_path() / ("lumenary-test-" + std::to_string(seed()));
    fs::copy(LUMENARY_APP_DIR, path_, fs::copy_options::recursive);
}

ProgramFolderCopy::~ProgramFolderCopy() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

}  // namespace lumenary::testing
