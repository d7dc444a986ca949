#pragma once

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
// background picture, then every visible control back to front, frames clipping their children.
// Scaled up, text is drawn at the scaled size with the line breaks of the design size, pictures
// are smoothed (from their sharper variants where there are any), and edges stay whole pixels.
class FormPainter {
public:
    FormPainter(QPainter& painter, const TwipsMapping& mapping, PictureVariants* variants = nullptr);

    // Paints the form; where an area is given, only the controls that reach into it.
    void paint(const Form& form, const QRegion& area = {});

    // Full screen, the screen keeps its shape: the parts of `window` around it are black.
    void paintMargins(const Form& form, const QRect& window);

private:
    // Where the form's client area lies, in pixels.
    QRect clientRect(const Form& form) const;
    void paintControl(const Control& control, Twips originX, Twips originY);
    QRect pixelRect(Twips left, Twips top, Twips width, Twips height) const;
    // A picture at its natural size (scaled with the screen) from a top-left pixel.
    QRect naturalRect(const Picture& picture, int left, int top) const;
    void drawPicture(const Picture& picture, int left, int top);
    void drawPicture(const Picture& picture, const QRect& target);
    void drawText(const Font& font, const QRect& box, int flags, const std::string& text);
    int edgePixels() const;

    QPainter& painter_;
    TwipsMapping mapping_;
    PictureVariants* variants_;
    const QRegion* area_ = nullptr;
};

}  // namespace lumenary
