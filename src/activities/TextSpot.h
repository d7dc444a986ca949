#pragma once

#include "runtime/Twips.h"
#include "runtime/controls/Font.h"

namespace lumenary {

// A text an activity places: its box, font and caption.
struct TextSpot {
    TwipsRect box;
    Font font;
    const char* caption;
};

}  // namespace lumenary
