#pragma once

#include "runtime/Twips.h"

#include <QRect>

class QPainter;

namespace lumenary {

class Control;

// The keyboard focus drawn around a control: a white ring with a black one inside it, so it
// shows on the black activity screens, the blue menus and the question screens alike. Each ring
// is a whole number of pixels, thicker as the screen is scaled up.
namespace focusRing {

// The focused control of a form that is being used from the keyboard.
bool showsOn(const Control& control);
// The pixels a ring round a control's `pixels` covers, the control's own included.
QRect bounds(const QRect& pixels, const TwipsMapping& mapping);
void paint(QPainter& painter, const QRect& pixels, const TwipsMapping& mapping);

}  // namespace focusRing
}  // namespace lumenary
