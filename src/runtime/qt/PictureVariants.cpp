#include "PictureVariants.h"

#include "GifVariantDecoder.h"
#include "QtPictureDecoder.h"
#include "runtime/PicturePath.h"
#include "runtime/RuntimeError.h"

#include <QImageReader>
#include <QPainter>

namespace lumenary {

namespace fs = std::filesystem;

namespace {

// The variant's pixels in the format the painter draws fastest, or a null image when it is
// not the size its picture calls for.
QImage read(const fs::path& file, const QByteArray& format, QSize expected) {
    QImage image = format == "gif" ? decodeGifVariant(file, expected) : QImage();
    if (image.isNull()) {
        // The format from the file's name spares probing every image plugin.
        QImageReader reader(QString::fromStdString(file.string()), format);
        if (reader.size() != expected) return {};
        image = reader.read();
    }
    return image.size() == expected ? paintable(std::move(image)) : QImage();
}

// Reduced once, as the painter would draw it, to the size it is painted at; never enlarged.
QImage reducedTo(const QImage& image, QSize painted) {
    if (image.isNull() || painted.width() >= image.width() || painted.height() >= image.height()) return image;
    QImage reduced(painted, image.format());
    reduced.fill(Qt::transparent);
    QPainter painter(&reduced);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(reduced.rect(), image);
    return reduced;
}

}  // namespace

QImage PictureVariants::sharpest(const Picture& picture, QSize painted) {
    if (picture.isEmpty() || picture.sourcePath().empty()) return {};
    const auto key = std::make_tuple(picture.sourcePath(), painted.width(), painted.height());
    if (const auto known = cache_.find(key); known != cache_.end() && known->second.picture.lock() == picture)
        return known->second.image;
    std::erase_if(cache_, [](const auto& entry) { return entry.second.picture.expired(); });
    QImage image = load(picture.sourcePath(), QSize(picture.width(), picture.height()) * factor, painted);
    cache_[key] = {Picture::Weak(picture), image};
    return image;
}

QImage PictureVariants::load(const std::string& written, QSize expected, QSize painted) const {
    const std::size_t dot = written.rfind('.');
    if (dot == std::string::npos) return {};
    const std::string variantPath = written.substr(0, dot) + "@" + std::to_string(factor) + "x" + written.substr(dot);
    fs::path original, variant;
    try {
        original = resolvePicturePath(folder_, written);
        variant = resolvePicturePath(folder_, variantPath);
    } catch (const RuntimeError&) {
        return {};  // no variant: the picture itself is scaled
    }
    std::error_code error;
    const auto variantTime = fs::last_write_time(variant, error);
    if (error || variantTime < fs::last_write_time(original, error) || error) return {};
    return reducedTo(read(variant, QByteArray::fromStdString(written.substr(dot + 1)).toLower(), expected), painted);
}

}  // namespace lumenary
