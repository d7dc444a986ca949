#pragma once

#include "runtime/painting/Surface.h"

namespace lumenary {

class PagePictures;

// The page's one canvas, drawn through its 2D context: each operation a call into the page's
// script. Pictures are drawn from the page's copies of them.
class Canvas : public Surface {
public:
    explicit Canvas(PagePictures& pictures) : pictures_(pictures) {}

    static void resize(int width, int height);

    void save() override;
    void restore() override;
    void clip(const PixelRect& rect) override;
    void fill(const PixelRect& rect, const Color& colour) override;
    void dottedOutline(const PixelRect& rect, int thickness, const Color& colour) override;
    void text(const Font& font, const Color& colour, const PixelRect& box, double scale, TextAlign align, bool middle,
              bool nudge, const std::string& text) override;
    void picture(const Picture& picture, const PixelRect& target) override;

private:
    PagePictures& pictures_;
};

}  // namespace lumenary
