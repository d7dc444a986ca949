#include "TopicMenus.h"

#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "runtime/Runtime.h"

namespace lumenary {

namespace {

template <class Activity>
void show() { form<Activity>().Show(); }

// Activity screens open in front of the menu, which stays loaded beneath them.
// clang-format off
const ActivityLink menu1Links[] = {
    {4, "newtonmeter", show<newtonmeter>},
};
const ActivityLink menu2Links[] = {
    {2, "phaseslab",   show<phaseslab>},
    {3, "weatherlab",  show<weatherlab>},
};
const ActivityLink menu3Links[] = {
    {1, "magnets",     show<magnets>},
};
// clang-format on

// clang-format off
const TopicMenuRow rows[] = {
//   #  heading   heading W x H  column W   activity entries 0 ... 4
    {1, "Menu 1", 6405, 1020,    5055,     {"Renewable Resources", "Energy Chains", "Circuit Symbols", "Which Lamps Are On?", "Newton Meter"}, menu1Links},
    {2, "Menu 2", 3405,  900,    4695,     {"Speed", "Calculating Density", "Phases of the Moon", "Ordering the Planets", "Reading a Thermometer"}, menu2Links},
    {3, "Menu 3", 3405,  900,    4215,     {"Changing State", "Repel or Attract?", "Reflection", "Refraction", "Colour"}, menu3Links},
    {4, "Menu 4", 3405,  900,    5655,     {"Sound and Waves", "The Ear", "Energy Diagrams", "Calculating Efficiency", "Weight on Different Planets"}, {}},
    {5, "Menu 5", 3405,  900,    5535,     {"Movement and Forces", "Distance-time Graphs", "Calculating Moments", "Calculating Pressure", "Direction of Movement of a Beam"}, {}},
};
// clang-format on

}  // namespace

menu1::menu1() : TopicMenu("menu1", rows[0]) {}
menu2::menu2() : TopicMenu("menu2", rows[1]) {}
menu3::menu3() : TopicMenu("menu3", rows[2]) {}
menu4::menu4() : TopicMenu("menu4", rows[3]) {}
menu5::menu5() : TopicMenu("menu5", rows[4]) {}

std::span<const TopicMenuRow> topicMenuRows() { return rows; }

Form& topicMenu(int entry) {
    switch (entry) {
        case 0: return form<menu1>();
        case 1: return form<menu2>();
        case 2: return form<menu3>();
        case 3: return form<menu4>();
        default: return form<menu5>();
    }
}

}  // namespace lumenary
