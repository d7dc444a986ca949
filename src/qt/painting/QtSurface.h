#pragma once

#include "runtime/painting/Surface.h"

#include <QRect>
#include <QRegion>

#include <vector>

class QPainter;

namespace lumenary {

class PictureVariants;

// A window's painter as the surface the runtime paints forms onto. Pictures painted larger than
// they are come from their sharper variants where there are any.
class QtSurface : public Surface {
public:
    explicit QtSurface(QPainter& painter, PictureVariants* variants = nullptr) : painter_(painter), variants_(variants) {}

    void save() override;
    void restore() override;
    void clip(const PixelRect& rect) override;
    void fill(const PixelRect& rect, const Color& colour) override;
    void dottedOutline(const PixelRect& rect, int thickness, const Color& colour) override;
    void text(const Font& font, const Color& colour, const PixelRect& box, double scale, TextAlign align, bool middle,
              bool nudge, const std::string& text) override;
    void picture(const Picture& picture, const PixelRect& target) override;

    static QRect toQRect(const PixelRect& r) { return {r.x, r.y, r.width, r.height}; }
    static PixelRect fromQRect(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }
    static QRegion toQRegion(const std::vector<PixelRect>& rects);

private:
    QPainter& painter_;
    PictureVariants* variants_;
};

}  // namespace lumenary
