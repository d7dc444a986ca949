#pragma once

#include "runtime/Twips.h"
#include "web/painting/Canvas.h"

namespace lumenary {

class Control;

// The keyboard focus drawn around a control, as on the desktop: a white ring with a black one
// inside it, whole pixels, thicker as the screen is scaled up.
namespace focusRing {

// The focused control of a form that is being used from the keyboard.
bool showsOn(const Control& control);
// How many pixels a ring reaches out beyond its control.
int reach(const TwipsMapping& mapping);
void paint(const PixelRect& pixels, const TwipsMapping& mapping);

}  // namespace focusRing
}  // namespace lumenary
