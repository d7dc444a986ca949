#include "qt/painting/FocusRing.h"

#include "runtime/Form.h"

#include <QPainter>

#include <algorithm>
#include <cmath>

namespace lumenary::focusRing {

namespace {
int unitPixels(const TwipsMapping& mapping) { return std::max(1, static_cast<int>(std::lround(mapping.scale))); }
// Fills the band `thickness` pixels wide just outside `inner`.
void band(QPainter& painter, const QRect& inner, int thickness, const QColor& colour) {
    const QRect outer = inner.adjusted(-thickness, -thickness, thickness, thickness);
    painter.fillRect(QRect(outer.left(), outer.top(), outer.width(), thickness), colour);
    painter.fillRect(QRect(outer.left(), inner.bottom() + 1, outer.width(), thickness), colour);
    painter.fillRect(QRect(outer.left(), inner.top(), thickness, inner.height()), colour);
    painter.fillRect(QRect(inner.right() + 1, inner.top(), thickness, inner.height()), colour);
}
}  // namespace

bool showsOn(const Control& control) {
    const Form& form = control.form();
    return form.showsFocus() && form.focused() == &control && control.isReachable();
}

int reach(const TwipsMapping& mapping) { return 3 * unitPixels(mapping); }

void paint(QPainter& painter, const QRect& pixels, const TwipsMapping& mapping) {
    const int unit = unitPixels(mapping);
    band(painter, pixels, unit, Qt::black);
    band(painter, pixels.adjusted(-unit, -unit, unit, unit), 2 * unit, Qt::white);
}

}  // namespace lumenary::focusRing
