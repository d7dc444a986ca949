#pragma once

#include "runtime/Twips.h"

class QPainter;
class QRect;

namespace lumenary {

class Control;
class Form;

// Paints a form's client area from the model: background colour, background picture, then
// every visible control back to front, frames clipping their children.
class FormPainter {
public:
    explicit FormPainter(QPainter& painter) : painter_(painter) {}

    void paint(const Form& form);

private:
    void paintControl(const Control& control, Twips originX, Twips originY);
    QRect pixelRect(Twips left, Twips top, Twips width, Twips height) const;

    QPainter& painter_;
    TwipsMapping mapping_;
};

}  // namespace lumenary
