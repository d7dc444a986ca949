#include "runtime/painting/FocusRing.h"

#include "runtime/Form.h"

#include <algorithm>
#include <cmath>

namespace lumenary::focusRing {

namespace {
int unitPixels(const TwipsMapping& mapping) { return std::max(1, static_cast<int>(std::lround(mapping.scale))); }
// Fills the band `thickness` pixels wide just outside `inner`.
void band(Surface& s, const PixelRect& inner, int thickness, const Color& colour) {
    const PixelRect outer = inner.adjusted(-thickness, -thickness, thickness, thickness);
    s.fill({outer.x, outer.y, outer.width, thickness}, colour);
    s.fill({outer.x, inner.bottom(), outer.width, thickness}, colour);
    s.fill({outer.x, inner.y, thickness, inner.height}, colour);
    s.fill({inner.right(), inner.y, thickness, inner.height}, colour);
}
}  // namespace

bool showsOn(const Control& control) {
    const Form& form = control.form();
    return form.showsFocus() && form.focused() == &control && control.isReachable();
}

int reach(const TwipsMapping& mapping) { return 3 * unitPixels(mapping); }

void paint(Surface& surface, const PixelRect& pixels, const TwipsMapping& mapping) {
    const int unit = unitPixels(mapping);
    band(surface, pixels, unit, colors::black);
    band(surface, pixels.adjusted(-unit, -unit, unit, unit), 2 * unit, colors::white);
}

}  // namespace lumenary::focusRing
