#pragma once

#include <QPainter>
#include <QRectF>

namespace lumenary::artwork {

// Which end of a bar magnet is its north pole.
enum class NorthEnd { Left, Right, Top, Bottom };

// A textbook bar magnet filling `bar`: the north half red and marked N, the south half blue
// and marked S. A bar wider than tall lies flat; otherwise it stands on end.
void drawBarMagnet(QPainter& painter, const QRectF& bar, NorthEnd north);

}  // namespace lumenary::artwork
