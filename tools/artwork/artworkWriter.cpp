#include "artworkWriter.h"

#include "gifWriter.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

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

QStringList writeArtwork(const QString& appDir)
{
    QStringList failures;
    const QDir root(appDir);
    for (const ArtworkFile& file : artworkCatalogue()) {
        const QString failure = saveArtwork(file.draw(file.size), file.format, root.filePath(file.path));
        if (!failure.isEmpty())
            failures << failure;
    }
    return failures;
}

}  // namespace lumenary::artwork
