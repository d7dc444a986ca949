#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// Each planet as a lit sphere on black, filling a picture of the given size.
QImage drawMercury(QSize size);
QImage drawVenus(QSize size);
QImage drawEarth(QSize size);
QImage drawMars(QSize size);
QImage drawJupiter(QSize size);
QImage drawSaturn(QSize size);  // rings span the picture's width
QImage drawUranus(QSize size);
QImage drawNeptune(QSize size);
QImage drawPluto(QSize size);

}  // namespace lumenary::artwork
