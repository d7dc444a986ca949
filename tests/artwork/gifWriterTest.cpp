#include "artworkWriter.h"
#include "gifWriter.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>

namespace lumenary::artwork {
namespace {

// The largest channel difference between a picture and the GIF written of it, read back.
int roundTripError(const QImage& original, const QString& path)
{
    EXPECT_EQ(writeGif(original, path).toStdString(), "");
    QImageReader reader(path);
    EXPECT_EQ(reader.format().toStdString(), "gif");
    const QImage decoded = reader.read().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(decoded.size(), original.size());
    int worst = decoded.size() == original.size() ? 0 : 255;
    for (int y = 0; y < original.height() && worst < 255; ++y)
        for (int x = 0; x < original.width(); ++x) {
            const QRgb p = original.pixel(x, y), q = decoded.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

// A picture of `colours` flat colours in vertical stripes of varying width.
QImage stripes(int colours)
{
    QImage image(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int index = (x * x + y) % colours;
            image.setPixel(x, y, qRgb(index * 53 % 256, index * 97 % 256, 255 - index * 31 % 256));
        }
    return image;
}

TEST(GifWriter, UpTo256ColoursComeBackExactlyAndGradientsClose)
{
    QTemporaryDir dir;
    // One colour and five colours need colour tables padded to a power of two.
    for (int colours : {1, 5, 200, 256})
        EXPECT_EQ(roundTripError(stripes(colours), dir.filePath(QStringLiteral("stripes%1.gif").arg(colours))), 0) << colours;
    QImage gradient(96, 64, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x * 255 / 95, y * 255 / 63, 255 - x * 2));
    EXPECT_LE(roundTripError(gradient, dir.filePath(QStringLiteral("gradient.gif"))), 24);
}

TEST(ArtworkWriting, FailuresNameTheFileAndWriteNothing)
{
    QTemporaryDir dir;
    QFile blocker(dir.filePath(QStringLiteral("Images")));  // a plain file where a folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const QString path = dir.filePath(QStringLiteral("Images/picture"));
    for (const ArtworkFormat format : {ArtworkFormat::Gif, ArtworkFormat::Jpeg}) {
        EXPECT_TRUE(saveArtwork(stripes(4), format, path).contains(path));
        EXPECT_FALSE(QFile::exists(path));
    }
    EXPECT_TRUE(writeGif(stripes(4), dir.filePath(QStringLiteral("missing/picture.gif"))).contains(QStringLiteral("missing/picture.gif")));
}

}  // namespace
}  // namespace lumenary::artwork
