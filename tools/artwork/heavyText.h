#pragma once

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPointF>
#include <QString>

namespace lumenary::artwork {

// Draws a word with its strokes thickened by `extraWeight` pixels. Wine's Tahoma Bold is barely
// heavier than the regular face, and letters and numbers in quiz pictures must read from the
// back of a classroom.
void drawHeavyText(QPainter& painter, QPointF baseline, const QFont& font, const QString& text, const QColor& colour,
                   double extraWeight);

}  // namespace lumenary::artwork
