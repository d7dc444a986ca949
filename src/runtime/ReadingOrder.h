#pragma once

#include "controls/Control.h"

#include <vector>

namespace lumenary {

// Controls as a pupil reads the screen: row by row from the top, each row from the left. A
// control whose top lies within `rowTolerance` twips of a row's highest one belongs to that
// row, so a column and a caption drawn a few pixels lower still read across together.
inline constexpr Twips rowTolerance = 240;
std::vector<Control*> inReadingOrder(std::vector<Control*> controls);

}  // namespace lumenary
