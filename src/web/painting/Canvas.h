#pragma once

#include "runtime/Color.h"

#include <cstdint>
#include <string>

namespace lumenary {

// A box of the page's canvas in whole device pixels.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    PixelRect adjusted(int left, int top, int rightBy, int bottomBy) const {
        return {x + left, y + top, width - left + rightBy, height - top + bottomBy};
    }
    PixelRect intersected(const PixelRect& other) const;
    bool intersects(const PixelRect& other) const { return !intersected(other).isEmpty(); }
};

enum class TextAlign { Left, Right, Center };

// The page's one canvas, drawn through its 2D context: the few operations the painter needs,
// each a call into the page's script. Clips nest as the context's saved states do.
namespace canvas {

void resize(int width, int height);
void save();
void restore();
void clip(const PixelRect& rect);
void fill(const PixelRect& rect, const Color& colour);
// A dotted outline `thickness` pixels wide just inside `rect`.
void dottedOutline(const PixelRect& rect, int thickness, const Color& colour);

// Text laid out in a box of `designWidth` x `designHeight` design pixels, word-wrapped there
// and drawn scaled by `scale` from the box's top-left pixel, so that it breaks into the same
// lines at any size. `font` is a CSS font; `nudge` draws it a second time one design pixel to
// the right. Centred vertically when `middle`, otherwise from the top.
void text(const std::string& font, const Color& colour, int left, int top, double designWidth, double designHeight,
          double scale, TextAlign align, bool middle, bool nudge, const std::string& text);

// A picture the page holds under `id` (see CanvasPictures), drawn into `target`, smoothed.
void picture(int id, const PixelRect& target);

}  // namespace canvas
}  // namespace lumenary
