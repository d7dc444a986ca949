#pragma once

#include "runtime/Color.h"
#include "runtime/painting/PixelRect.h"

#include <string>

namespace lumenary {

class Picture;
struct Font;

enum class TextAlign { Left, Right, Center };

// What a binding paints a form onto: a window's painter or the page's canvas. Boxes are whole
// device pixels; clips nest as saved states do.
class Surface {
public:
    virtual ~Surface() = default;

    virtual void save() = 0;
    virtual void restore() = 0;
    // Narrows the clip of the current state to `rect`.
    virtual void clip(const PixelRect& rect) = 0;
    virtual void fill(const PixelRect& rect, const Color& colour) = 0;
    // A dotted outline `thickness` pixels wide just inside `rect`.
    virtual void dottedOutline(const PixelRect& rect, int thickness, const Color& colour) = 0;
    // Text laid out in `box` shrunk by `scale` to design pixels and drawn through the scale, so
    // that it breaks into the same lines at any size: word-wrapped from the top, or centred as
    // a button's caption when `middle`. `nudge` draws it again one design pixel to the right.
    virtual void text(const Font& font, const Color& colour, const PixelRect& box, double scale, TextAlign align, bool middle,
                      bool nudge, const std::string& text) = 0;
    // A picture drawn into `target`, smoothed where its size differs.
    virtual void picture(const Picture& picture, const PixelRect& target) = 0;
};

}  // namespace lumenary
