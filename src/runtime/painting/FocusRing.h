#pragma once

#include "runtime/Twips.h"
#include "runtime/painting/Surface.h"

namespace lumenary {

class Control;

// The keyboard focus drawn around a control: a white ring with a black one inside it, so it
// shows on the black activity screens, the blue menus and the question screens alike. Rings are
// whole pixels, thicker as the screen is scaled up; three pixels in all at the design size, so a
// ring round a menu entry beside the window's right edge still fits in the window.
namespace focusRing {

// The focused control of a form that is being used from the keyboard.
bool showsOn(const Control& control);
// How many pixels a ring reaches out beyond its control.
int reach(const TwipsMapping& mapping);
void paint(Surface& surface, const PixelRect& pixels, const TwipsMapping& mapping);

}  // namespace focusRing
}  // namespace lumenary
