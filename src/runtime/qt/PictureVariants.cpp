#include "PictureVariants.h"

#include "GifDecoder.h"
#include "JpegVariantDecoder.h"
#include "LargeImage.h"
#include "QtPictureDecoder.h"
#include "runtime/PicturePath.h"
#include "runtime/RuntimeError.h"

#include <QImageReader>
#include <QPainter>

#include <algorithm>
#include <iterator>
#include <vector>

namespace lumenary {

namespace fs = std::filesystem;

namespace {

// Reduced once, as the painter would draw it, to the size it is painted at; never enlarged.
QImage reducedTo(const QImage& image, QSize painted) {
    if (image.isNull() || painted.width() >= image.width() || painted.height() >= image.height()) return image;
    QImage reduced = largeImage(painted, image.format());
    reduced.fill(Qt::transparent);
    QPainter painter(&reduced);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(reduced.rect(), image);
    return reduced;
}

// The variant's pixels reduced to `painted`, in the format the painter draws fastest, or a null
// image when it is not the size its picture calls for.
QImage read(const fs::path& file, const QByteArray& format, QSize expected, QSize painted) {
    if (format == "jpg" || format == "jpeg") return decodeJpegVariant(file, expected, painted);
    QImage image = format == "gif" ? decodeGifVariant(file, expected) : QImage();
    if (image.isNull()) {
        // The format from the file's name spares probing every image plugin.
        QImageReader reader(QString::fromStdString(file.string()), format);
        if (reader.size() != expected) return {};
        image = reader.read();
    }
    return image.size() == expected ? reducedTo(paintable(std::move(image)), painted) : QImage();
}

}  // namespace

QImage PictureVariants::sharpest(const Picture& picture, QSize painted) {
    if (picture.isEmpty() || picture.sourcePath().empty()) return {};
    const auto key = std::make_tuple(picture.sourcePath(), painted.width(), painted.height());
    if (const auto known = cache_.find(key); known != cache_.end() && known->second.picture.lock() == picture)
        return known->second.image;
    std::erase_if(cache_, [](const auto& entry) { return entry.second.picture.expired(); });
    QImage image = load(picture.sourcePath(), QSize(picture.width(), picture.height()), painted);
    cache_[key] = {Picture::Weak(picture), image};
    return image;
}

QImage PictureVariants::load(const std::string& written, QSize size, QSize painted) const {
    // The smallest variant covering the painted size first, then the larger ones, then the
    // smaller ones from the largest down.
    std::vector<int> order;
    for (const int factor : factors)
        if (size.width() * factor >= painted.width() && size.height() * factor >= painted.height()) order.push_back(factor);
    for (auto factor = std::rbegin(factors); factor != std::rend(factors); ++factor)
        if (std::find(order.begin(), order.end(), *factor) == order.end()) order.push_back(*factor);
    for (const int factor : order)
        if (QImage image = loadVariant(written, factor, size * factor, painted); !image.isNull()) return image;
    return {};
}

QImage PictureVariants::loadVariant(const std::string& written, int factor, QSize expected, QSize painted) const {
    const std::size_t dot = written.rfind('.');
    if (dot == std::string::npos) return {};
    const std::string variantPath = written.substr(0, dot) + "@" + std::to_string(factor) + "x" + written.substr(dot);
    fs::path original, variant;
    try {
        original = resolvePicturePath(folder_, written);
        variant = resolvePicturePath(folder_, variantPath);
    } catch (const RuntimeError&) {
        return {};  // no such variant
    }
    std::error_code error;
    const auto variantTime = fs::last_write_time(variant, error);
    if (error || variantTime < fs::last_write_time(original, error) || error) return {};
    return read(variant, QByteArray::fromStdString(written.substr(dot + 1)).toLower(), expected, painted);
}

}  // namespace lumenary
