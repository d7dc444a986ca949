#include "TopicMenus.h"

#include "runtime/Runtime.h"
#include "runtime/language/Translation.h"

#include <algorithm>
#include <memory>

namespace lumenary {

namespace {

// clang-format off
const TopicMenuRow rows[] = {
//   #  name     heading W x H  column W   activity entries 0 ... 4
    {1, "menu1", 6405, 1020,    5055,     {N_("Renewable Resources"), N_("Energy Chains"), N_("Circuit Symbols"), N_("Which Lamps Are On?"), N_("Newton Meter")}},
    {2, "menu2", 3405,  900,    4695,     {N_("Speed"), N_("Calculating Density"), N_("Phases of the Moon"), N_("Ordering the Planets"), N_("Reading a Thermometer")}},
    {3, "menu3", 3405,  900,    4215,     {N_("Changing State"), N_("Repel or Attract?"), N_("Reflection"), N_("Refraction"), N_("Colour")}},
    {4, "menu4", 3405,  900,    5655,     {N_("Sound and Waves"), N_("The Ear"), N_("Energy Diagrams"), N_("Calculating Efficiency"), N_("Weight on Different Planets")}},
    {5, "menu5", 3405,  900,    5535,     {N_("Movement and Forces"), N_("Distance-time Graphs"), N_("Calculating Moments"), N_("Calculating Pressure"), N_("Direction of Movement of a Beam")}},
};
// clang-format on

}  // namespace

std::span<const TopicMenuRow> topicMenuRows() { return rows; }

Form& topicMenu(int entry) {
    const TopicMenuRow& row = rows[std::clamp(entry, 0, static_cast<int>(std::size(rows)) - 1)];
    return Runtime::current().form(row.name, [&] { return std::make_unique<TopicMenu>(row); });
}

}  // namespace lumenary
