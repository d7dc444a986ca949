#pragma once

// The controls a pupil clicks to get from one screen to another, and the click itself: a press
// and a release on the control's centre, delivered through its form as a window delivers them.
#include "activities/Activities.h"
#include "activities/questions/QuestionScreen.h"
#include "menus/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "runtime/Runtime.h"

#include <functional>

namespace lumenary::route {

// The control to click, looked up when the click is due (its screen is loaded by then).
using Target = std::function<Control&()>;

// `afterEach` runs after the press and after the release, as a window syncs after each event.
inline void click(Runtime& runtime, Control& control, const std::function<void()>& afterEach = {}) {
    Form& form = control.form();
    const Twips x = control.absoluteLeft() + control.Width / 2;
    const Twips y = control.absoluteTop() + control.Height / 2;
    runtime.dispatch([&] { form.mouseDown({.button = mouse::left, .buttons = mouse::left, .at = {x, y}}); });
    if (afterEach) afterEach();
    runtime.dispatch([&] { form.mouseUp({.button = mouse::left, .at = {x, y}}); });
    if (afterEach) afterEach();
}

inline TopicMenu& topic(int entry) { return static_cast<TopicMenu&>(topicMenu(entry)); }

// Menu entries count from 0 ("Menu 1"), as the screens' control arrays do.
inline Control& titleOk() { return form<Titlefrm>().Command1; }
inline Control& mainMenuExit() { return form<intro0>().Command1; }
inline Target mainMenuEntry(int entry) {
    return [entry]() -> Control& { return form<intro0>().Label2[entry]; };
}
inline Target topicMenuEntry(int menu, int entry) {
    return [=]() -> Control& { return topic(menu).Label2[entry]; };
}
inline Target activityEntry(int menu, int entry) {
    return [=]() -> Control& { return topic(menu).Label3[entry]; };
}
inline Target topicMenuExit(int menu) {
    return [menu]() -> Control& { return topic(menu).Command1; };
}
// An activity's label buttons: Exit is the first on every activity screen.
inline Control& labelButton(const char* screen, int index) { return *activityScreen(screen)->findControl<Label>("Label3", index); }
inline Target activityExit(const char* screen) {
    return [screen]() -> Control& { return labelButton(screen, 0); };
}
inline Control& toSection2() { return labelButton("magnets", QuestionScreen::sectionButton); }
inline Control& toSection1() { return labelButton("magnets2", QuestionScreen::sectionButton); }

// The activity entries of the topic menus: menu (from 0), entry, the screen it opens and that
// screen's way back.
struct ActivityEntry {
    int menu;
    int entry;
    const char* opens;
    Target exit;
};
inline const ActivityEntry activityEntries[] = {
    {0, 4, "newtonmeter", activityExit("newtonmeter")},
    {1, 2, "phaseslab",   activityExit("phaseslab")},
    {1, 3, "weatherlab",  activityExit("weatherlab")},
    {2, 1, "magnets",     activityExit("magnets")},
};

}  // namespace lumenary::route
