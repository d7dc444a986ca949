#include "gifWriter.h"

#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace lumenary::artwork {
namespace {

TEST(GifWriter, UpTo256ColoursComeBackExactlyAndGradientsClose)
{
    QTemporaryDir dir;
    const auto roundTripError = [&](const QImage& original, const QString& name) {
        EXPECT_EQ(writeGif(original, dir.filePath(name)).toStdString(), "");
        const QImage decoded = QImageReader(dir.filePath(name), "gif").read().convertToFormat(QImage::Format_RGB32);
        int worst = decoded.size() == original.size() ? 0 : 255;
        for (int y = 0; y < original.height() && worst < 255; ++y)
            for (int x = 0; x < original.width(); ++x) {
                const QRgb p = original.pixel(x, y), q = decoded.pixel(x, y);
                worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
            }
        return worst;
    };
    // Flat colours in stripes of varying width; one and five colours need padded colour tables.
    const auto stripes = [](int colours) {
        QImage image(37, 23, QImage::Format_RGB32);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const int index = (x * x + y) % colours;
                image.setPixel(x, y, qRgb(index * 53 % 256, index * 97 % 256, 255 - index * 31 % 256));
            }
        return image;
    };
    for (int colours : {1, 5, 200, 256})
        EXPECT_EQ(roundTripError(stripes(colours), QStringLiteral("stripes%1.gif").arg(colours)), 0) << colours;
    QImage gradient(96, 64, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x * 255 / 95, y * 255 / 63, 255 - x * 2));
    EXPECT_LE(roundTripError(gradient, QStringLiteral("gradient.gif")), 24);

}

}  // namespace
}  // namespace lumenary::artwork
