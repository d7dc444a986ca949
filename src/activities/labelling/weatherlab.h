#pragma once

#include "LabellingScreen.h"

namespace lumenary {

// Ordering the Planets: nine planet pictures, left to right by distance from the Sun, to be
// labelled with their names.
class weatherlab : public LabellingScreen {
public:
    weatherlab();
};

}  // namespace lumenary
