#include "qt/pictures/QtPictureDecoder.h"

#include "runtime/RuntimeError.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <memory>

namespace lumenary {

namespace {

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

QByteArray qtFormatName(PictureFormat format) {
    switch (format) {
        case PictureFormat::Jpeg: return "jpeg";
        case PictureFormat::Gif: return "gif";
        case PictureFormat::Bmp: break;
    }
    return "bmp";
}

Picture decodePictureWithQt(std::span<const std::uint8_t> bytes, const QByteArray& format, const std::string& displayPath) {
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Left to detect the format, Qt would load every image plugin to ask each one first.
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
