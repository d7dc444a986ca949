#include "ScreenTest.h"

#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

namespace lumenary::testing {

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

static std::string names(const auto& forms) {
    std::string names;
    for (const Form* form : forms) names += (names.empty() ? "" : " ") + form->name();
    return names;
}
void ScreenTest::dropAt(const Control& control, Twips left, Twips top) {
    press(control.form(), control.Left + control.Width / 2, control.Top + control.Height / 2);
    moveTo(control.form(), left + control.Width / 2, top + control.Height / 2, mouse::left);
    release(control.form(), left + control.Width / 2, top + control.Height / 2);
}

std::string ScreenTest::shownScreens() const { return names(runtime.visibleForms()); }
std::string ScreenTest::loadedScreens() const { return names(runtime.loadedForms()); }

const std::vector<ScreenKind>& everyScreen() {
    static const std::vector<ScreenKind> screens = {
        {"Titlefrm", show<Titlefrm>, false}, {"intro0", show<intro0>, true},       {"menu1", show<menu1>, true},
        {"menu2", show<menu2>, true},       {"menu3", show<menu3>, true},         {"menu4", show<menu4>, true},
        {"menu5", show<menu5>, true},       {"phaseslab", show<phaseslab>, true}, {"weatherlab", show<weatherlab>, true},
        {"newtonmeter", show<newtonmeter>, true}, {"magnets", show<magnets>, true}, {"magnets2", show<magnets2>, true},
    };
    return screens;
}

}  // namespace lumenary::testing
