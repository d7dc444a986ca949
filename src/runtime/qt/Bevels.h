#pragma once

#include <QColor>
#include <QRect>

class QPainter;

namespace lumenary::bevels {

// The classic three-dimensional edges of labels, picture boxes, frames and buttons.
void sunken(QPainter& painter, const QRect& rect);
void raised(QPainter& painter, const QRect& rect);
void etched(QPainter& painter, const QRect& rect);
// A dotted rectangle marking the control with the keyboard focus.
void focusMark(QPainter& painter, const QRect& rect);

}  // namespace lumenary::bevels
