#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// Picture `pictureIndex` (1 to 8) of the "attract or repel?" quiz: two bar magnets end to end
// with a gap between them, on a pale card. Long, low pictures show the magnets in a row; the
// more compact ones show them in a row or one above the other.
QImage drawMagnetPair(QSize size, int pictureIndex);

}  // namespace lumenary::artwork
