#include "runtime/painting/Bevels.h"

namespace lumenary::bevels {

namespace {

constexpr Color shadow{128, 128, 128};
constexpr Color darkShadow{64, 64, 64};
constexpr Color light{227, 227, 227};
constexpr Color highlight = colors::white;

// One ring of an edge: `topLeft` along the top and left, `bottomRight` along the others, which
// own the two corners where the colours meet.
void ring(Surface& s, const PixelRect& r, const Color& topLeft, const Color& bottomRight, int t) {
    s.fill({r.x, r.y, r.width - t, t}, topLeft);
    s.fill({r.x, r.y, t, r.height - t}, topLeft);
    s.fill({r.x, r.bottom() - t, r.width, t}, bottomRight);
    s.fill({r.right() - t, r.y, t, r.height}, bottomRight);
}

void outline(Surface& s, const PixelRect& r, const Color& colour, int t) {
    s.fill({r.x, r.y, r.width, t}, colour);
    s.fill({r.x, r.bottom() - t, r.width, t}, colour);
    s.fill({r.x, r.y, t, r.height}, colour);
    s.fill({r.right() - t, r.y, t, r.height}, colour);
}

}  // namespace

void sunken(Surface& surface, const PixelRect& rect, int t) {
    ring(surface, rect, shadow, highlight, t);
    ring(surface, rect.adjusted(t, t, -t, -t), darkShadow, light, t);
}

void raised(Surface& surface, const PixelRect& rect, int t) {
    ring(surface, rect, highlight, darkShadow, t);
    ring(surface, rect.adjusted(t, t, -t, -t), light, shadow, t);
}

// A groove: a shadow line with a highlight one ring further in, and down to the right.
void etched(Surface& surface, const PixelRect& rect, int t) {
    outline(surface, {rect.x + t, rect.y + t, rect.width - t, rect.height - t}, highlight, t);
    outline(surface, {rect.x, rect.y, rect.width - t, rect.height - t}, shadow, t);
}

}  // namespace lumenary::bevels
