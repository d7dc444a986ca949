#pragma once

#include "runtime/FormChanges.h"
#include "runtime/Twips.h"

#include <QRegion>

#include <string>

class QPainter;
class QRect;
class QImage;

namespace lumenary {

class Control;
class Form;
class Picture;
class PictureVariants;
struct Font;

// Paints a form's client area from the model at a window's mapping: background colour,
// background picture, then every shown control back to front, each clipped to the client area
// and to the frames that hold it.
// Scaled up, text is drawn at the scaled size with the line breaks of the design size, pictures
// are smoothed (from their sharper variants where there are any), and edges stay whole pixels.
class FormPainter {
public:
    FormPainter(QPainter& painter, const TwipsMapping& mapping, PictureVariants* variants = nullptr);

    // Paints the form; where an area is given, only the controls that reach into it.
    void paint(const Form& form, const QRegion& area = {});

    // Full screen, the screen keeps its shape: the parts of `window` around it are black.
    void paintMargins(const Form& form, const QRect& window);

    // The pixels a box of the form's client twips covers.
    static QRect pixelRect(const TwipsMapping& mapping, const TwipsRect& box);
    // The pixels to repaint for what changed in a form, a focus ring around a control included.
    static QRegion changedArea(const FormChanges::Changes& changes, const TwipsMapping& mapping);

private:
    // Where the form's client area lies, in pixels.
    QRect clientRect(const Form& form) const;
    void paintControl(const Control& control, const QRect& rect);
    // The control's box, cut to its frames' boxes.
    QRect visibleRect(const Control& control) const;
    // A picture at its natural size (scaled with the screen) from a top-left pixel.
    QRect naturalRect(const Picture& picture, int left, int top) const;
    void drawPicture(const Picture& picture, int left, int top);
    void drawPicture(const Picture& picture, const QRect& target);
    void drawText(const Font& font, const QRect& box, int flags, const std::string& text);
    int edgePixels() const;

    QPainter& painter_;
    TwipsMapping mapping_;
    PictureVariants* variants_;
};

}  // namespace lumenary
