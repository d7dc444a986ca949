#pragma once

#include "runtime/FormChanges.h"
#include "runtime/Twips.h"
#include "web/painting/Canvas.h"

#include <string>
#include <vector>

namespace lumenary {

class Control;
class Form;
class Picture;
class PagePictures;
struct Font;

// Paints a form's client area from the model onto the page's canvas at a mapping, as the
// desktop's FormPainter paints a window: background colour, background picture, then every
// shown control back to front, each clipped to the client area and to the frames that hold it.
// Scaled up, text is drawn at the scaled size with the line breaks of the design size, pictures
// are smoothed (from their sharper copies where there are any), and edges stay whole pixels.
class FormPainter {
public:
    FormPainter(const TwipsMapping& mapping, PagePictures& pictures);

    // Paints the form; where an area is given, only the controls that reach into it.
    void paint(const Form& form, const PixelRect* area = nullptr);
    // The screen keeps its shape: the parts of the canvas around it are black.
    void paintMargins(const Form& form, int canvasWidth, int canvasHeight);

    // The pixels a box of the form's client twips covers.
    static PixelRect pixelRect(const TwipsMapping& mapping, const TwipsRect& box);
    // The pixels to repaint for what changed in a form, a focus ring around a control included.
    static std::vector<PixelRect> changedArea(const FormChanges::Changes& changes, const TwipsMapping& mapping);

private:
    PixelRect clientRect(const Form& form) const;
    void paintControl(const Control& control, const PixelRect& rect);
    // The control's box, cut to its frames' boxes.
    PixelRect visibleRect(const Control& control) const;
    // A picture at its natural size (scaled with the screen) from a top-left pixel.
    PixelRect naturalRect(const Picture& picture, int left, int top) const;
    void drawPicture(const Picture& picture, const PixelRect& target);
    void drawText(const Font& font, const Color& colour, const PixelRect& box, TextAlign align, bool middle, const std::string& text);
    int edgePixels() const;

    TwipsMapping mapping_;
    PagePictures& pictures_;
};

}  // namespace lumenary
