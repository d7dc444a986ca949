#include "heavyText.h"

#include <QPainterPath>

namespace lumenary::artwork {

void drawHeavyText(QPainter& painter, QPointF baseline, const QFont& font, const QString& text, const QColor& colour,
                   double extraWeight)
{
    QPainterPath glyphs;
    glyphs.addText(baseline, font, text);
    painter.save();
    painter.setPen(QPen(colour, extraWeight, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter.setBrush(colour);
    painter.drawPath(glyphs);
    painter.restore();
}

}  // namespace lumenary::artwork
