#include "QtPictureDecoder.h"

#include "GifDecoder.h"
#include "runtime/RuntimeError.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <memory>

namespace lumenary {

namespace {

// Named from the file's first bytes, so that Qt asks only the one handler that reads it
// instead of loading and probing every image plugin it has. (The program's own icon is a PNG.)
QByteArray formatOf(std::span<const std::uint8_t> bytes) {
    if (bytes.size() >= 4 && bytes[0] == 0x89 && bytes[1] == 'P' && bytes[2] == 'N' && bytes[3] == 'G') return "png";
    if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xD8) return "jpeg";
    if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M') return "bmp";
    if (bytes.size() >= 3 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F') return "gif";
    return {};
}

// Pixels that share the image's buffer rather than copying it: opaque pictures (every JPEG and
// BMP) stay in the decoder's 0xffRRGGBB pixels, which are already ARGB.
Picture sharing(QImage image, const std::string& displayPath) {
    const bool opaque = !image.hasAlphaChannel();
    auto owner = std::make_shared<const QImage>(std::move(image).convertToFormat(opaque ? QImage::Format_RGB32 : QImage::Format_ARGB32));
    const std::shared_ptr<const std::uint32_t> pixels(owner, reinterpret_cast<const std::uint32_t*>(owner->constBits()));
    return Picture(owner->width(), owner->height(), pixels, opaque, displayPath);
}

}  // namespace

QImage paintable(QImage image) {
    const QImage::Format format = image.hasAlphaChannel() ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32;
    return std::move(image).convertToFormat(format);
}

Picture decodePictureWithQt(std::span<const std::uint8_t> bytes, const std::string& displayPath) {
    const QByteArray format = formatOf(bytes);
    // giflib reads the still pictures the build draws quicker than Qt, and without its plugin.
    if (format == "gif")
        if (QImage image = decodeGif(bytes); !image.isNull()) return sharing(std::move(image), displayPath);
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Left to detect a format no plugin names (PNG and BMP are Qt's own), Qt would load every
    // image plugin to ask each one first, the SVG one with its library among them: milliseconds
    // of start-up for the icon alone. Only the picture check's three formats and the icon's
    // PNG come here; anything else is refused as malformed rather than probed for.
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError("Cannot load picture \"" + displayPath + "\": it is malformed (" +
                           reader.errorString().toStdString() + ")");
    return sharing(std::move(image), displayPath);
}

QImage asQImage(const Picture& picture) {
    if (picture.isEmpty()) return {};
    return QImage(reinterpret_cast<const uchar*>(picture.pixels()), picture.width(), picture.height(), picture.width() * 4,
                  picture.isOpaque() ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

}  // namespace lumenary
