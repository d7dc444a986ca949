#pragma once

#include <algorithm>
#include <cmath>

namespace lumenary {

// Every position and size in the model is in twips (1/1440 inch), single precision,
// exactly as the screens write them.
using Twips = float;

// A picture's pixel, and a pixel of the screen at the size the screens were designed for
// (800 x 600 pixels), is 15 twips. A picture's natural size in twips follows from it.
inline constexpr float twipsPerDesignPixel = 15.0f;
inline constexpr float twipsPerPoint = 20.0f;

struct TwipsSize;

// The mapping between a form's twips and a window's pixels: a uniform scale of the design size
// and the pixel where the form's origin lands. The binding owns one per window; the model never
// learns it, so every handler sees the same twips at any scale. Rounding happens only here.
struct TwipsMapping {
    double scale = 1.0;
    double offsetX = 0.0, offsetY = 0.0;

    bool operator==(const TwipsMapping&) const = default;

    // The mapping that shows a client area of `client` twips scaled to fit `display` pixels,
    // centred: how a screen fills a display (or a browser's page), keeping its shape.
    static TwipsMapping fitting(TwipsSize client, int displayWidth, int displayHeight);

    double twipsPerPixel() const { return twipsPerDesignPixel / scale; }
    // A length in whole pixels.
    int toPixels(Twips t) const { return static_cast<int>(std::lround(t / twipsPerPixel())); }
    Twips toTwips(double pixels) const { return static_cast<Twips>(pixels * twipsPerPixel()); }
    // A coordinate in whole pixels, the offset included.
    int toPixelX(Twips x) const { return static_cast<int>(std::lround(offsetX + x / twipsPerPixel())); }
    int toPixelY(Twips y) const { return static_cast<int>(std::lround(offsetY + y / twipsPerPixel())); }
    Twips toTwipsX(double pixelX) const { return static_cast<Twips>((pixelX - offsetX) * twipsPerPixel()); }
    Twips toTwipsY(double pixelY) const { return static_cast<Twips>((pixelY - offsetY) * twipsPerPixel()); }
};

struct TwipsPoint {
    Twips x = 0;
    Twips y = 0;
};

// A box: its top-left corner and its size.
struct TwipsRect {
    Twips left = 0;
    Twips top = 0;
    Twips width = 0;
    Twips height = 0;
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

// Windows are placed as if framed by a thin 4-pixel border and a 26-pixel title bar, whatever
// frame the platform really draws, so that every binding gives a screen the same client area.
inline constexpr FrameMargins nominalFrameMargins{4 * twipsPerDesignPixel, 30 * twipsPerDesignPixel,
                                                  4 * twipsPerDesignPixel, 4 * twipsPerDesignPixel};

inline TwipsMapping TwipsMapping::fitting(TwipsSize client, int displayWidth, int displayHeight) {
    const double designWidth = client.Width / twipsPerDesignPixel;
    const double designHeight = client.Height / twipsPerDesignPixel;
    const double scale = std::min(displayWidth / designWidth, displayHeight / designHeight);
    // Whole-pixel margins keep every edge of the screen on a pixel boundary.
    return {scale, std::floor((displayWidth - designWidth * scale) / 2), std::floor((displayHeight - designHeight * scale) / 2)};
}

}  // namespace lumenary
