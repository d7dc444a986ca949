#include "supersampledRender.h"

#include "pictureCanvas.h"

namespace lumenary::artwork {

QImage renderSupersampled(QSize size, int factor, const PointShader& shade)
{
    QImage image = newPicture(size);
    const double pixel = 1.0 / image.devicePixelRatio();  // in design pixels
    const double step = pixel / factor;
    const double sampleWeight = 1.0 / (factor * factor);
    for (int py = 0; py < image.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < image.width(); ++px) {
            Rgb sum;
            for (int sy = 0; sy < factor; ++sy)
                for (int sx = 0; sx < factor; ++sx)
                    sum = sum + shade(px * pixel + (sx + 0.5) * step, py * pixel + (sy + 0.5) * step);
            line[px] = toQRgb(sum * sampleWeight);
        }
    }
    return image;
}

}  // namespace lumenary::artwork
