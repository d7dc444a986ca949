#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

#include <cstdlib>
#include <functional>

namespace lumenary::testing {

inline bool near(QColor a, QColor b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// Where the pixels of an area that are ink lie, and how many there are.
struct Ink { QRect bounds; int count = 0; };
inline Ink inkIn(const QRect& area, const std::function<bool(QPoint)>& ink) {
    Ink found;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (ink({x, y})) found.bounds |= QRect(x, y, 1, 1), ++found.count;
    return found;
}
// Text's ink is its colour as smoothing leaves it, within `tolerance` in every channel; only the image's pixels count.
inline Ink inkIn(const QImage& image, const QRect& area, QColor colour, int tolerance = 60) {
    return inkIn(area & image.rect(), [&](QPoint p) { return near(image.pixelColor(p), colour, tolerance); });
}

}  // namespace lumenary::testing
