#pragma once

#include "web/painting/Canvas.h"

namespace lumenary::bevels {

// The classic three-dimensional edges of labels, picture boxes, frames and buttons, as the
// desktop draws them. Each ring of an edge is `thickness` whole pixels wide (1 at the design
// size), so edges stay crisp when the screen is scaled.
void sunken(const PixelRect& rect, int thickness = 1);
void raised(const PixelRect& rect, int thickness = 1);
void etched(const PixelRect& rect, int thickness = 1);
// A dotted rectangle marking the button with the keyboard focus.
void focusMark(const PixelRect& rect, int thickness = 1);

}  // namespace lumenary::bevels
