#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace lumenary::bevels {

// The classic three-dimensional edges of labels, picture boxes, frames and buttons. Each ring of
// an edge is `thickness` whole pixels wide (1 at the design size), so edges stay crisp when the
// screen is scaled.
void sunken(QPainter& painter, const QRect& rect, int thickness = 1);
void raised(QPainter& painter, const QRect& rect, int thickness = 1);
void etched(QPainter& painter, const QRect& rect, int thickness = 1);
// A dotted rectangle marking the control with the keyboard focus.
void focusMark(QPainter& painter, const QRect& rect, int thickness = 1);

}  // namespace lumenary::bevels
