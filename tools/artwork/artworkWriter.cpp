#include "artworkWriter.h"

#include "gifWriter.h"
#include "pictureCanvas.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <utility>

namespace lumenary::artwork {

namespace {

constexpr int jpegQuality = 92;

QString writeJpeg(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "jpeg");
    writer.setQuality(jpegQuality);
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return QStringLiteral("%1: %2").arg(path, writer.errorString());
    return {};
}

// Qt writes a 32-bit image as an uncompressed 24-bit BMP with the common 40-byte header, the
// plainest form every BMP reader accepts.
QString writeBmp(const QImage& image, const QString& path)
{
    QImageWriter writer(path, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB32)))
        return QStringLiteral("%1: %2").arg(path, writer.errorString());
    return {};
}

}  // namespace

QString saveArtwork(const QImage& image, ArtworkFormat format, const QString& path)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return QStringLiteral("%1: cannot create the folder %2").arg(path, folder);
    switch (format) {
    case ArtworkFormat::Gif:
        return writeGif(image, path);
    case ArtworkFormat::Jpeg:
        return writeJpeg(image, path);
    case ArtworkFormat::Bmp:
        return writeBmp(image, path);
    }
    return QStringLiteral("%1: unknown picture format").arg(path);
}

QString sharperVariantPath(const QString& path, int factor)
{
    const int dot = path.lastIndexOf('.');
    return path.left(dot) + QStringLiteral("@%1x").arg(factor) + path.mid(dot);
}

// Every picture is drawn three times: at the size the screens measure, and at two and three
// times that size beside it, for a screen scaled up on a projector or a dense display.
QStringList writeArtwork(const QString& appDir)
{
    QStringList failures;
    const QDir root(appDir);
    for (const ArtworkFile& file : artworkCatalogue()) {
        for (const int factor : {1, sharperVariantFactors[0], sharperVariantFactors[1]}) {
            const QString path = factor == 1 ? file.path : sharperVariantPath(file.path, factor);
            const DrawingResolution resolution(factor);
            QImage picture = file.draw(file.size);
            picture.setDevicePixelRatio(1);
            const QString failure = saveArtwork(picture, file.format, root.filePath(path));
            if (!failure.isEmpty())
                failures << failure;
        }
    }
    return failures;
}

}  // namespace lumenary::artwork
