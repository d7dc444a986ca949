#include "web/painting/Bevels.h"

namespace lumenary::bevels {

namespace {

constexpr Color shadow{128, 128, 128};
constexpr Color darkShadow{64, 64, 64};
constexpr Color light{227, 227, 227};
constexpr Color highlight{255, 255, 255};

// One ring of an edge: `topLeft` along the top and left, `bottomRight` along the others, which
// own the two corners where the colours meet.
void ring(const PixelRect& r, const Color& topLeft, const Color& bottomRight, int t) {
    canvas::fill({r.x, r.y, r.width - t, t}, topLeft);
    canvas::fill({r.x, r.y, t, r.height - t}, topLeft);
    canvas::fill({r.x, r.bottom() - t, r.width, t}, bottomRight);
    canvas::fill({r.right() - t, r.y, t, r.height}, bottomRight);
}

void outline(const PixelRect& r, const Color& colour, int t) {
    canvas::fill({r.x, r.y, r.width, t}, colour);
    canvas::fill({r.x, r.bottom() - t, r.width, t}, colour);
    canvas::fill({r.x, r.y, t, r.height}, colour);
    canvas::fill({r.right() - t, r.y, t, r.height}, colour);
}

}  // namespace

void sunken(const PixelRect& rect, int t) {
    ring(rect, shadow, highlight, t);
    ring(rect.adjusted(t, t, -t, -t), darkShadow, light, t);
}

void raised(const PixelRect& rect, int t) {
    ring(rect, highlight, darkShadow, t);
    ring(rect.adjusted(t, t, -t, -t), light, shadow, t);
}

// A groove: a shadow line with a highlight one ring further in, and down to the right.
void etched(const PixelRect& rect, int t) {
    outline({rect.x + t, rect.y + t, rect.width - t, rect.height - t}, highlight, t);
    outline({rect.x, rect.y, rect.width - t, rect.height - t}, shadow, t);
}

void focusMark(const PixelRect& rect, int t) { canvas::dottedOutline(rect, t, colors::black); }

}  // namespace lumenary::bevels
