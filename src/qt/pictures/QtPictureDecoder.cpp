#include "qt/pictures/QtPictureDecoder.h"

#include "runtime/RuntimeError.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <memory>
#include <vector>

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

// Qt's BMP reader knows the info headers of 12, 40, 64, 108 and 124 bytes. The OS/2 2.x header
// cut to 16 bytes is the start of the 40-byte one, and the V2 and V3 headers (52 and 56 bytes,
// with the colour masks) the start of the 108-byte V4 one; every field they leave out is zero.
// Such a file is handed over with its header padded by those zeros: a copy of the file, empty
// when it needs none.
std::vector<std::uint8_t> withHeaderQtReads(std::span<const std::uint8_t> bytes) {
    constexpr std::size_t fileHeader = 14;
    if (bytes.size() < fileHeader + 4 || bytes[0] != 'B' || bytes[1] != 'M') return {};
    const std::size_t size = bytes[14] | bytes[15] << 8 | bytes[16] << 16 | std::size_t(bytes[17]) << 24;
    const std::size_t padded = size == 16 ? 40 : size == 52 || size == 56 ? 108 : 0;
    if (!padded || bytes.size() < fileHeader + size) return {};
    std::vector<std::uint8_t> copy(bytes.begin(), bytes.begin() + fileHeader + size);
    copy.resize(fileHeader + padded);
    copy.insert(copy.end(), bytes.begin() + fileHeader + size, bytes.end());
    copy[14] = static_cast<std::uint8_t>(padded);
    // The pixels' offset moves with the padding (the reader never looks at the file size).
    std::uint32_t offset = copy[10] | copy[11] << 8 | copy[12] << 16 | std::uint32_t(copy[13]) << 24;
    if (offset < fileHeader + size || offset > UINT32_MAX - padded) return copy;
    offset += static_cast<std::uint32_t>(padded - size);
    for (int i = 0; i < 4; ++i) copy[10 + i] = static_cast<std::uint8_t>(offset >> (8 * i));
    return copy;
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
    const std::vector<std::uint8_t> padded = format == "bmp" ? withHeaderQtReads(bytes) : std::vector<std::uint8_t>();
    if (!padded.empty()) bytes = padded;
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    // Left to detect the format, Qt would load every image plugin to ask each one first.
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        throw pictureError(displayPath, trFill(N_("it is malformed (%s)"), {reader.errorString().toStdString()}));
    return sharing(std::move(image), displayPath);
}

QImage asQImage(const Picture& picture) {
    if (picture.isEmpty()) return {};
    return QImage(reinterpret_cast<const uchar*>(picture.pixels()), picture.width(), picture.height(), picture.width() * 4,
                  picture.isOpaque() ? QImage::Format_RGB32 : QImage::Format_ARGB32);
}

}  // namespace lumenary
