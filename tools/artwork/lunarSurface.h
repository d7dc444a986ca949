#pragma once

#include "colourMath.h"

namespace lumenary::artwork {

// The colour of the Moon's near side at a point of the unit disc (x right, y up, northern
// hemisphere view), as it would look under full sunlight: bright highlands, dark maria
// (the "seas") and a few named craters.
Rgb lunarSurfaceColour(double x, double y);

}  // namespace lumenary::artwork
