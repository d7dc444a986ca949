#pragma once

#include <QColor>
#include <QImage>

namespace lumenary {
class Form;
}

namespace lumenary::testing {

// A form's client area painted by the binding into an image, as its window would show it.
QImage paintForm(const Form& form);

// The colour at a point given in the form's twips.
QColor colourAtTwips(const QImage& image, float x, float y);

}  // namespace lumenary::testing
