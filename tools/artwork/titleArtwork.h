#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// The opening screen's picture: a glowing Sun with orbiting planets in starry space, a
// horseshoe magnet with its field, and a newton meter weighing a mass.
QImage drawTitleArtwork(QSize size);

}  // namespace lumenary::artwork
