#include "gifWriter.h"

#include "artworkWriter.h"

#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

namespace lumenary::artwork {
namespace {

// A picture of colourCount flat colours in vertical stripes of varying width.
QImage stripes(int colourCount)
{
    QImage image(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int index = (x * x + y) % colourCount;
            image.setPixel(x, y, qRgb(index * 53 % 256, index * 97 % 256, 255 - index * 31 % 256));
        }
    return image;
}

QImage readBack(const QString& path)
{
    QImageReader reader(path);
    EXPECT_EQ(reader.format().toStdString(), "gif");
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

int largestChannelError(const QImage& a, const QImage& b)
{
    int worst = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            worst = std::max({worst, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)), std::abs(qBlue(p) - qBlue(q))});
        }
    return worst;
}

TEST(GifWriter, PicturesOfAtMost256ColoursComeBackExactly)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // One colour and five colours need colour tables padded to a power of two.
    for (int colours : {1, 5, 200, 256}) {
        SCOPED_TRACE(colours);
        const QImage original = stripes(colours);
        const QString path = dir.filePath(QStringLiteral("stripes%1.gif").arg(colours));
        ASSERT_EQ(writeGif(original, path).toStdString(), "");
        const QImage decoded = readBack(path);
        ASSERT_EQ(decoded.size(), original.size());
        EXPECT_EQ(largestChannelError(decoded, original), 0);
    }
}

TEST(GifWriter, SmoothGradientsKeepCloseToTheirColours)
{
    QImage gradient(96, 64, QImage::Format_RGB32);
    for (int y = 0; y < gradient.height(); ++y)
        for (int x = 0; x < gradient.width(); ++x)
            gradient.setPixel(x, y, qRgb(x * 255 / 95, y * 255 / 63, 255 - x * 2));

    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("gradient.gif"));
    ASSERT_EQ(writeGif(gradient, path).toStdString(), "");
    EXPECT_LE(largestChannelError(readBack(path), gradient), 24);
}

TEST(ArtworkWriting, FailuresNameTheFileAndWriteNothing)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    // A plain file where a folder should be makes both writers fail.
    QFile blocker(dir.filePath(QStringLiteral("Images")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    const QImage picture = stripes(4);
    for (const ArtworkFormat format : {ArtworkFormat::Gif, ArtworkFormat::Jpeg}) {
        const QString path = dir.filePath(QStringLiteral("Images/picture"));
        const QString failure = saveArtwork(picture, format, path);
        EXPECT_TRUE(failure.contains(path)) << failure.toStdString();
        EXPECT_FALSE(QFile::exists(path));
    }
    const QString gifFailure = writeGif(picture, dir.filePath(QStringLiteral("missing/picture.gif")));
    EXPECT_TRUE(gifFailure.contains(QStringLiteral("missing/picture.gif"))) << gifFailure.toStdString();
}

}  // namespace
}  // namespace lumenary::artwork
