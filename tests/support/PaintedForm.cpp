#include "PaintedForm.h"

#include "runtime/Form.h"
#include "runtime/qt/FormPainter.h"

#include <QPainter>

namespace lumenary::testing {

QImage paintForm(const Form& form) {
    const TwipsMapping mapping;
    const TwipsSize client = form.clientSize();
    QImage image(mapping.toPixels(client.Width), mapping.toPixels(client.Height), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    FormPainter(painter).paint(form);
    return image;
}

QColor colourAtTwips(const QImage& image, float x, float y) {
    const TwipsMapping mapping;
    return image.pixelColor(static_cast<int>(x / mapping.twipsPerPixel), static_cast<int>(y / mapping.twipsPerPixel));
}

}  // namespace lumenary::testing
