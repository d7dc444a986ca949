#pragma once

#include "qt/painting/FormPainter.h"
#include "runtime/Form.h"

#include <QImage>
#include <QPainter>

namespace lumenary::testing {

// A form's client area painted by the binding into an image, as its window would show it: at
// the design size, or scaled up as on a projector or a high-density display.
inline QImage paintForm(const Form& form, double scale = 1.0, double devicePixelRatio = 1.0, PictureVariants* variants = nullptr) {
    const TwipsMapping mapping{scale};
    QImage image(static_cast<int>(mapping.toPixels(form.clientSize().Width) * devicePixelRatio),
                 static_cast<int>(mapping.toPixels(form.clientSize().Height) * devicePixelRatio), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    FormPainter(painter, mapping, variants).paint(form);
    return image;
}

}  // namespace lumenary::testing
