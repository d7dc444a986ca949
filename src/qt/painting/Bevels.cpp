#include "qt/painting/Bevels.h"

#include <QPainter>
#include <QPen>

namespace lumenary::bevels {

namespace {

const QColor shadow(128, 128, 128);
const QColor darkShadow(64, 64, 64);
const QColor light(227, 227, 227);
const QColor highlight(255, 255, 255);

// One ring of an edge: `topLeft` along the top and left, `bottomRight` along the others, which
// own the two corners where the colours meet.
void ring(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight, int t) {
    painter.fillRect(QRect(r.left(), r.top(), r.width() - t, t), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), t, r.height() - t), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), bottomRight);
    painter.fillRect(QRect(r.right() - t + 1, r.top(), t, r.height()), bottomRight);
}

void outline(QPainter& painter, const QRect& r, const QColor& colour, int t) {
    painter.fillRect(QRect(r.left(), r.top(), r.width(), t), colour);
    painter.fillRect(QRect(r.left(), r.bottom() - t + 1, r.width(), t), colour);
    painter.fillRect(QRect(r.left(), r.top(), t, r.height()), colour);
    painter.fillRect(QRect(r.right() - t + 1, r.top(), t, r.height()), colour);
}

}  // namespace

void sunken(QPainter& painter, const QRect& rect, int t) {
    ring(painter, rect, shadow, highlight, t);
    ring(painter, rect.adjusted(t, t, -t, -t), darkShadow, light, t);
}

void raised(QPainter& painter, const QRect& rect, int t) {
    ring(painter, rect, highlight, darkShadow, t);
    ring(painter, rect.adjusted(t, t, -t, -t), light, shadow, t);
}

// A groove: a shadow line with a highlight one ring further in, and down to the right.
void etched(QPainter& painter, const QRect& rect, int t) {
    outline(painter, QRect(rect.left() + t, rect.top() + t, rect.width() - t, rect.height() - t), highlight, t);
    outline(painter, QRect(rect.left(), rect.top(), rect.width() - t, rect.height() - t), shadow, t);
}

void focusMark(QPainter& painter, const QRect& rect, int t) {
    painter.setPen(QPen(Qt::black, t, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -t, -t));
}

}  // namespace lumenary::bevels
