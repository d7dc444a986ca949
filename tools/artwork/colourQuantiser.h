#pragma once

#include <QImage>
#include <QList>
#include <QRgb>

namespace lumenary::artwork {

// Up to maxColours colours that represent the picture well, found by median cut: the colour
// space is split again and again where the picture's pixels spread most.
QList<QRgb> medianCutPalette(const QImage& image, int maxColours);

// The picture as 8-bit palette indices over its own median-cut palette, ready for GIF.
QImage toIndexedColours(const QImage& image);

}  // namespace lumenary::artwork
