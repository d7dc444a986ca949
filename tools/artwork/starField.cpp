#include "starField.h"

#include "valueNoise.h"

#include <QColor>

namespace lumenary::artwork {

void drawStars(QPainter& painter, const QRectF& area, int count, unsigned seed, int maxAlpha)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const double x = area.left() + scatteredValue(i, seed) * area.width();
        const double y = area.top() + scatteredValue(i, seed + 1) * area.height();
        // Most stars are faint and small; a few are bright.
        const double magnitude = scatteredValue(i, seed + 2);
        const double strength = magnitude * magnitude;
        painter.setBrush(QColor(235, 240, 255, int(maxAlpha * (0.35 + 0.65 * strength))));
        const double radius = 0.5 + 1.1 * strength;
        painter.drawEllipse(QPointF(x, y), radius, radius);
    }
    painter.restore();
}

}  // namespace lumenary::artwork
