#include "supersampledRender.h"

namespace lumenary::artwork {

QImage renderSupersampled(QSize size, int factor, const PointShader& shade)
{
    QImage image(size, QImage::Format_RGB32);
    const double step = 1.0 / factor;
    const double sampleWeight = 1.0 / (factor * factor);
    for (int py = 0; py < size.height(); ++py) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(py));
        for (int px = 0; px < size.width(); ++px) {
            Rgb sum;
            for (int sy = 0; sy < factor; ++sy)
                for (int sx = 0; sx < factor; ++sx)
                    sum = sum + shade(px + (sx + 0.5) * step, py + (sy + 0.5) * step);
            line[px] = toQRgb(sum * sampleWeight);
        }
    }
    return image;
}

}  // namespace lumenary::artwork
