#pragma once

#include <cmath>

namespace lumenary {

// Every position and size in the model is in twips (1/1440 inch), single precision,
// exactly as the screens write them.
using Twips = float;

// The one mapping between twips and device pixels. Rounding happens only here, so the
// whole screen could later be scaled as one by changing twipsPerPixel.
struct TwipsMapping {
    static constexpr float twipsPerPoint = 20.0f;
    float twipsPerPixel = 15.0f;

    int toPixels(Twips t) const { return static_cast<int>(std::lround(t / twipsPerPixel)); }
    Twips toTwips(double pixels) const { return static_cast<Twips>(pixels * twipsPerPixel); }
    // Font pixel size from points, through twips rather than the monitor's DPI.
    int fontPixels(float points) const { return static_cast<int>(std::lround(points * twipsPerPoint / twipsPerPixel)); }
};

struct TwipsSize {
    Twips Width = 0;
    Twips Height = 0;
};

// Thickness of a window's frame and title bar, in twips.
struct FrameMargins {
    Twips left = 0, top = 0, right = 0, bottom = 0;
    Twips horizontal() const { return left + right; }
    Twips vertical() const { return top + bottom; }
};

}  // namespace lumenary
