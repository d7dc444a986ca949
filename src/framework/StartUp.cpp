#include "StartUp.h"

#include "Titlefrm.h"
#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "menus/TopicMenus.h"
#include "runtime/Runtime.h"

#include <algorithm>

namespace lumenary {

namespace {

template <class Menu, class Activity>
void openBeneath() {
    form<Menu>().Show();
    form<Activity>().Show();
}

// clang-format off
const ActivityStart starts[] = {
    {"phaseslab",   openBeneath<menu2, phaseslab>},
    {"weatherlab",  openBeneath<menu2, weatherlab>},
    {"newtonmeter", openBeneath<menu1, newtonmeter>},
    {"magnets",     openBeneath<menu3, magnets>},
};
// clang-format on

}  // namespace

std::span<const ActivityStart> activityStarts() { return starts; }

const ActivityStart* findActivityStart(std::string_view name) {
    const auto found = std::ranges::find(starts, name, &ActivityStart::name);
    return found == std::end(starts) ? nullptr : &*found;
}

void startOnTitleScreen() { form<Titlefrm>().Show(); }

}  // namespace lumenary
