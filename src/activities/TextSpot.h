#pragma once

#include "runtime/Twips.h"
#include "runtime/controls/Font.h"
#include "runtime/language/Translation.h"

namespace lumenary {

// A text an activity places: its box, font and caption.
struct TextSpot {
    TwipsRect box;
    Font font;
    const char* caption;
};

// A label button along the bottom or beside the picture; every one is 495 twips high.
struct ButtonSpot {
    const char* caption;
    Twips left, top, width;
};

}  // namespace lumenary
