#pragma once

#include <span>
#include <string_view>

namespace lumenary {

// How the program starts: on its title screen, or straight into an activity with its topic
// menu loaded beneath it, so that the activity's Exit leads to the menu as in normal use.
struct ActivityStart {
    const char* name;  // the activity screen's own name
    void (*open)();
};

std::span<const ActivityStart> activityStarts();
// The start of the activity of that name, or null.
const ActivityStart* findActivityStart(std::string_view name);

void startOnTitleScreen();

}  // namespace lumenary
