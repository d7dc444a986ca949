#pragma once

namespace lumenary {

struct Activity;

// How the program starts: on its title screen, or straight into an activity with its topic
// menu loaded beneath it, so that the activity's Exit leads to the menu as in normal use.
void startOnTitleScreen();
void startInActivity(const Activity& activity);

}  // namespace lumenary
