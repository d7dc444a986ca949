#include "ScreenTest.h"

#include "activities/Activities.h"
#include "menus/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

#include <stdexcept>
#include <utility>

namespace lumenary::testing {

Form& programScreen(const char* name) {
    for (const TopicMenuRow& row : topicMenuRows())
        if (std::string_view(name) == row.name) return topicMenu(row.number - 1);
    if (Form* activity = activityScreen(name)) return *activity;
    throw std::logic_error(std::string("the program has no screen ") + name);
}

constexpr const char* named[] = {"menu1", "menu2", "menu3", "menu4", "menu5", "phaseslab", "weatherlab", "newtonmeter", "magnets", "magnets2"};
template <std::size_t I>
void showNamed() { programScreen(named[I]).Show(); }

const std::vector<ScreenKind>& everyScreen() {
    static const std::vector<ScreenKind> screens = []<std::size_t... I>(std::index_sequence<I...>) {
        return std::vector<ScreenKind>{{"Titlefrm", show<Titlefrm>, false}, {"intro0", show<intro0>, true}, {named[I], showNamed<I>, true}...};
    }(std::make_index_sequence<std::size(named)>());
    return screens;
}

}  // namespace lumenary::testing
