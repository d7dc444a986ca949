#pragma once

#include <QImage>

namespace lumenary {
class Form;
class PictureVariants;
}

namespace lumenary::testing {

// A form's client area painted by the binding into an image, as its window would show it: at
// the design size, or scaled up as on a projector or a high-density display.
QImage paintForm(const Form& form, double scale = 1.0, double devicePixelRatio = 1.0, PictureVariants* variants = nullptr);

}  // namespace lumenary::testing
