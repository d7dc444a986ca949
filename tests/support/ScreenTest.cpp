#include "ScreenTest.h"

#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

namespace lumenary::testing {

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
