#include "artworkWriter.h"

#include "gifWriter.h"
#include "pictureCanvas.h"

#include "framework/ScreenSize.h"
#include "runtime/Twips.h"

#include <QDir>
#include <QFileInfo>
#include <QImageWriter>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

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

namespace {

// A copy beside the picture, its name marked with `suffix` in Qt's way ("phases3@3x.jpg").
QString variantPath(const QString& path, const QString& suffix)
{
    const int dot = path.lastIndexOf('.');
    return path.left(dot) + '@' + suffix + path.mid(dot);
}

// The size a full-screen display paints a picture of `size` design pixels at, as the program
// fits a screen's client area to the display and sizes a picture on it.
QSize paintedSize(QSize size, QSize display)
{
    const TwipsSize client{Module1::screenWidth - nominalFrameMargins.horizontal(),
                           Module1::screenHeight - nominalFrameMargins.vertical()};
    const double scale = TwipsMapping::fitting(client, display.width(), display.height()).scale;
    return {static_cast<int>(std::lround(size.width() * scale)), static_cast<int>(std::lround(size.height() * scale))};
}

QImage drawAt(const ArtworkFile& file, int factor)
{
    const DrawingResolution resolution(factor);
    QImage picture = file.draw(file.size);
    picture.setDevicePixelRatio(1);
    return picture;
}

}  // namespace

QString sharperVariantPath(const QString& path, int factor)
{
    return variantPath(path, QStringLiteral("%1x").arg(factor));
}

// Every picture is drawn three times: at the size the screens measure, and at two and three
// times that size beside it, for a screen scaled up on a projector or a dense display. A
// background is also drawn for the common displays: its smallest larger copy that covers the
// painted size, reduced to it, as the program would reduce it.
QStringList writeArtwork(const QString& appDir)
{
    QStringList failures;
    const QDir root(appDir);
    const auto save = [&](const QImage& picture, const ArtworkFile& file, const QString& path) {
        const QString failure = saveArtwork(picture, file.format, root.filePath(path));
        if (!failure.isEmpty())
            failures << failure;
    };
    const QSize screen(static_cast<int>(Module1::screenWidth / twipsPerDesignPixel),
                       static_cast<int>(Module1::screenHeight / twipsPerDesignPixel));
    for (const ArtworkFile& file : artworkCatalogue()) {
        save(drawAt(file, 1), file, file.path);
        std::vector<QImage> sharper;
        for (const int factor : sharperVariantFactors) {
            sharper.push_back(drawAt(file, factor));
            save(sharper.back(), file, sharperVariantPath(file.path, factor));
        }
        if (file.size != screen)
            continue;
        for (const QSize display : commonDisplays) {
            const QSize painted = paintedSize(file.size, display);
            const auto covering = std::find_if(sharper.begin(), sharper.end(), [&](const QImage& copy) {
                return copy.width() >= painted.width() && copy.height() >= painted.height();
            });
            const QImage& source = covering == sharper.end() ? sharper.back() : *covering;
            save(source.scaled(painted, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), file,
                 variantPath(file.path, QStringLiteral("%1x%2").arg(painted.width()).arg(painted.height())));
        }
    }
    return failures;
}

}  // namespace lumenary::artwork
