#include "Bevels.h"

#include <QPainter>
#include <QPen>

namespace lumenary::bevels {

namespace {

const QColor shadow(128, 128, 128);
const QColor darkShadow(64, 64, 64);
const QColor light(227, 227, 227);
const QColor highlight(255, 255, 255);

// One ring of an edge: `topLeft` along the top and left, `bottomRight` along the others.
void ring(QPainter& painter, const QRect& r, const QColor& topLeft, const QColor& bottomRight) {
    painter.setPen(topLeft);
    painter.drawLine(r.left(), r.top(), r.right() - 1, r.top());
    painter.drawLine(r.left(), r.top(), r.left(), r.bottom() - 1);
    painter.setPen(bottomRight);
    painter.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
    painter.drawLine(r.right(), r.top(), r.right(), r.bottom());
}

}  // namespace

void sunken(QPainter& painter, const QRect& rect) {
    ring(painter, rect, shadow, highlight);
    ring(painter, rect.adjusted(1, 1, -1, -1), darkShadow, light);
}

void raised(QPainter& painter, const QRect& rect) {
    ring(painter, rect, highlight, darkShadow);
    ring(painter, rect.adjusted(1, 1, -1, -1), light, shadow);
}

void etched(QPainter& painter, const QRect& rect) {
    painter.setBrush(Qt::NoBrush);
    painter.setPen(highlight);
    painter.drawRect(rect.adjusted(1, 1, -1, -1));
    painter.setPen(shadow);
    painter.drawRect(rect.adjusted(0, 0, -2, -2));
}

void focusMark(QPainter& painter, const QRect& rect) {
    QPen pen(Qt::black, 1, Qt::DotLine);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect.adjusted(0, 0, -1, -1));
}

}  // namespace lumenary::bevels
