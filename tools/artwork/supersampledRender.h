#pragma once

#include "colourMath.h"

#include <QImage>
#include <QSize>

#include <functional>

namespace lumenary::artwork {

// Colour at a point of the picture, in design pixels (0,0 = top-left corner of the first pixel).
using PointShader = std::function<Rgb(double x, double y)>;

// Draws a picture by averaging factor x factor samples in every pixel, so round edges and
// shading boundaries come out smooth without a painter.
QImage renderSupersampled(QSize size, int factor, const PointShader& shade);

}  // namespace lumenary::artwork
