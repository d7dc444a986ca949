#pragma once

#include "TopicMenu.h"

#include <span>

namespace lumenary {

// Topic menu `entry` + 1, "menu1" ... "menu5", loading it if needed (entry 0 is menu1).
Form& topicMenu(int entry);
// What each topic menu shows, menu1 first.
std::span<const TopicMenuRow> topicMenuRows();

}  // namespace lumenary
