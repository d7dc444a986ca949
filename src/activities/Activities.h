#pragma once

#include "activities/labelling/LabellingBoard.h"
#include "activities/questions/QuestionBoard.h"
#include "runtime/Form.h"

#include <span>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace lumenary {

// One activity a topic menu opens. Its screen is made from its board by the engine the board
// belongs to, under the activity's name and with its caption.
struct Activity {
    const char* name;     // the screen's name, by which the command line and the page ask for it
    int menu;             // the topic menu that opens it, 1 ... 5
    int entry;            // its entry in that menu, 0 ... 4
    const char* caption;  // its window's caption
    std::variant<const LabellingBoard*, const QuestionBoard*> board;
};

// Every activity, in the menus' order. A new activity is its board, one row here, and its artwork.
std::span<const Activity> activities();
const Activity* findActivity(std::string_view name);

// The activity's screen, made and loaded if it is not loaded.
Form& screenOf(const Activity& activity);
// Any screen of an activity by its name, a later section's too (magnets2); none for another name.
Form* activityScreen(std::string_view name);
// Every picture file the activity reads, all of its sections included, as its screens write them.
std::vector<std::string> picturesOf(const Activity& activity);

}  // namespace lumenary
