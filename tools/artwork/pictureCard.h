#pragma once

#include <QPainter>
#include <QSize>

namespace lumenary::artwork {

// The pale card that quiz pictures are drawn on: it stands out from the dark blue screen and
// keeps coloured drawings and black print crisp on a projector.
void drawPictureCard(QPainter& painter, QSize size);

}  // namespace lumenary::artwork
