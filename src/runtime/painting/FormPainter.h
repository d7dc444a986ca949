#pragma once

#include "runtime/FormChanges.h"
#include "runtime/Twips.h"
#include "runtime/painting/Surface.h"

#include <string>
#include <vector>

namespace lumenary {

class Control;
class Form;
class Picture;

// Paints a form's client area from the model onto a binding's surface at a mapping: background
// colour, background picture, then every shown control back to front, each clipped to the
// client area and to the frames that hold it, and the focus ring over all.
// Scaled up, text is drawn at the scaled size with the line breaks of the design size, pictures
// are smoothed, and edges stay whole pixels.
class FormPainter {
public:
    FormPainter(Surface& surface, const TwipsMapping& mapping);

    // Paints the form; where an area is given, only that part of it.
    void paint(const Form& form, const PixelRect* area = nullptr);
    // The screen keeps its shape: the parts of a device of this size around it are black.
    void paintMargins(const Form& form, int deviceWidth, int deviceHeight);

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
    void drawText(const Font& font, const Color& colour, const PixelRect& box, TextAlign align, bool middle, const std::string& text);
    int edgePixels() const;

    Surface& surface_;
    TwipsMapping mapping_;
};

}  // namespace lumenary
