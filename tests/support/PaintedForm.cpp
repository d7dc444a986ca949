#include "PaintedForm.h"

#include "runtime/Form.h"
#include "qt/painting/FormPainter.h"

#include <QPainter>

namespace lumenary::testing {

QImage paintForm(const Form& form, double scale, double devicePixelRatio, PictureVariants* variants) {
    const TwipsMapping mapping{scale};
    const TwipsSize client = form.clientSize();
    QImage image(static_cast<int>(mapping.toPixels(client.Width) * devicePixelRatio),
                 static_cast<int>(mapping.toPixels(client.Height) * devicePixelRatio), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    FormPainter(painter, mapping, variants).paint(form);
    return image;
}

}  // namespace lumenary::testing
