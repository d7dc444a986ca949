#include "QtPictureDecoder.h"

#include "runtime/RuntimeError.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QImageReader>

#include <cstring>

namespace lumenary {

Picture decodePictureWithQt(std::span<const std::uint8_t> bytes, const std::string& displayPath) {
    QByteArray data = QByteArray::fromRawData(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer);
    reader.setAutoTransform(false);
    QImage image = reader.read();
    if (image.isNull())
        throw RuntimeError("Cannot load picture \"" + displayPath + "\": it is malformed (" +
                           reader.errorString().toStdString() + ")");
    image = image.convertToFormat(QImage::Format_ARGB32);
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(image.width()) * image.height());
    for (int y = 0; y < image.height(); ++y)
        std::memcpy(argb.data() + static_cast<std::size_t>(y) * image.width(), image.constScanLine(y),
                    static_cast<std::size_t>(image.width()) * 4);
    return Picture(image.width(), image.height(), std::move(argb), displayPath);
}

QImage asQImage(const Picture& picture) {
    if (picture.isEmpty()) return {};
    return QImage(reinterpret_cast<const uchar*>(picture.pixels()), picture.width(), picture.height(),
                  picture.width() * 4, QImage::Format_ARGB32);
}

}  // namespace lumenary
