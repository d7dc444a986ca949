#include "ScreenTest.h"

#include "activities/Activities.h"
#include "menus/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

#include <stdexcept>

namespace lumenary::testing {

Form& programScreen(const char* name) {
    for (const TopicMenuRow& row : topicMenuRows())
        if (std::string_view(name) == row.name) return topicMenu(row.number - 1);
    if (Form* activity = activityScreen(name)) return *activity;
    throw std::logic_error(std::string("the program has no screen ") + name);
}


const std::vector<ScreenKind>& everyScreen() {
    static const std::vector<ScreenKind> screens = {
        {"Titlefrm", show<Titlefrm>, false},
        {"intro0", show<intro0>, true},
        {"menu1", [] { screen(menu1).Show(); }, true},
        {"menu2", [] { screen(menu2).Show(); }, true},
        {"menu3", [] { screen(menu3).Show(); }, true},
        {"menu4", [] { screen(menu4).Show(); }, true},
        {"menu5", [] { screen(menu5).Show(); }, true},
        {"phaseslab", [] { screen(phaseslab).Show(); }, true},
        {"weatherlab", [] { screen(weatherlab).Show(); }, true},
        {"newtonmeter", [] { screen(newtonmeter).Show(); }, true},
        {"magnets", [] { screen(magnets).Show(); }, true},
        {"magnets2", [] { screen(magnets2).Show(); }, true},
    };
    return screens;
}

}  // namespace lumenary::testing
