#pragma once

#include <QPainter>
#include <QRectF>

namespace lumenary::artwork {

// Scatters small soft stars over an area; brightest stars reach maxAlpha (0..255) in white.
void drawStars(QPainter& painter, const QRectF& area, int count, unsigned seed, int maxAlpha);

}  // namespace lumenary::artwork
