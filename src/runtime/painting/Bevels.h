#pragma once

#include "runtime/painting/Surface.h"

namespace lumenary::bevels {

// The classic three-dimensional edges of labels, picture boxes, frames and buttons. Each ring of
// an edge is `thickness` whole pixels wide (1 at the design size), so edges stay crisp when the
// screen is scaled.
void sunken(Surface& surface, const PixelRect& rect, int thickness = 1);
void raised(Surface& surface, const PixelRect& rect, int thickness = 1);
void etched(Surface& surface, const PixelRect& rect, int thickness = 1);

}  // namespace lumenary::bevels
