#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace lumenary {

struct ActivityLink;

// How the program starts: on its title screen, or straight into an activity with its topic
// menu loaded beneath it, so that the activity's Exit leads to the menu as in normal use.
struct ActivityStart {
    int menu;  // the topic menu's entry on the main menu (0 is menu1)
    const ActivityLink* link;

    const char* name() const;
    void open() const;
};

// Every activity a topic menu opens, in the menus' order.
std::vector<ActivityStart> activityStarts();
std::optional<ActivityStart> findActivityStart(std::string_view name);

void startOnTitleScreen();

}  // namespace lumenary
