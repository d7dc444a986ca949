#include "TopicMenus.h"

#include "runtime/Runtime.h"

#include <algorithm>
#include <memory>

namespace lumenary {

namespace {

// clang-format off
const TopicMenuRow rows[] = {
//   #  name     heading   heading W x H  column W   activity entries 0 ... 4
    {1, "menu1", "Menu 1", 6405, 1020,    5055,     {"Renewable Resources", "Energy Chains", "Circuit Symbols", "Which Lamps Are On?", "Newton Meter"}},
    {2, "menu2", "Menu 2", 3405,  900,    4695,     {"Speed", "Calculating Density", "Phases of the Moon", "Ordering the Planets", "Reading a Thermometer"}},
    {3, "menu3", "Menu 3", 3405,  900,    4215,     {"Changing State", "Repel or Attract?", "Reflection", "Refraction", "Colour"}},
    {4, "menu4", "Menu 4", 3405,  900,    5655,     {"Sound and Waves", "The Ear", "Energy Diagrams", "Calculating Efficiency", "Weight on Different Planets"}},
    {5, "menu5", "Menu 5", 3405,  900,    5535,     {"Movement and Forces", "Distance-time Graphs", "Calculating Moments", "Calculating Pressure", "Direction of Movement of a Beam"}},
};
// clang-format on

}  // namespace

std::span<const TopicMenuRow> topicMenuRows() { return rows; }

Form& topicMenu(int entry) {
    const TopicMenuRow& row = rows[std::clamp(entry, 0, static_cast<int>(std::size(rows)) - 1)];
    return Runtime::current().form(row.name, [&] { return std::make_unique<TopicMenu>(row); });
}

}  // namespace lumenary
