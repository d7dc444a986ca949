#include "qt/pictures/PictureVariants.h"

#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/PicturePath.h"
#include "runtime/RuntimeError.h"

#include <QImageReader>

#include <algorithm>
#include <iterator>
#include <vector>

namespace lumenary {

namespace fs = std::filesystem;

namespace {

// The variant's pixels, reduced by its reader to `painted` where that is smaller, in the format
// the painter draws fastest; a null image when it is not the size its picture calls for.
QImage read(const fs::path& file, const QByteArray& format, QSize expected, QSize painted) {
    QImageReader reader(QString::fromStdString(file.string()), format);
    reader.setAutoDetectImageFormat(false);
    if (reader.size() != expected) return {};
    if (painted.width() < expected.width() && painted.height() < expected.height()) reader.setScaledSize(painted);
    QImage image = reader.read();
    // Qt reads "@3x" in a file's name as a device pixel ratio; these pixels are painted one for one.
    image.setDevicePixelRatio(1.0);
    return paintable(std::move(image));
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
    // A copy drawn at exactly the painted size is read as it stands, with nothing to reduce.
    const std::string exactly = std::to_string(painted.width()) + "x" + std::to_string(painted.height());
    if (QImage image = loadVariant(written, exactly, painted, painted); !image.isNull()) return image;
    // Then the smallest variant covering the painted size, then the larger ones, then the
    // smaller ones from the largest down.
    std::vector<int> order;
    for (const int factor : factors)
        if (size.width() * factor >= painted.width() && size.height() * factor >= painted.height()) order.push_back(factor);
    for (auto factor = std::rbegin(factors); factor != std::rend(factors); ++factor)
        if (std::find(order.begin(), order.end(), *factor) == order.end()) order.push_back(*factor);
    for (const int factor : order)
        if (QImage image = loadVariant(written, std::to_string(factor) + "x", size * factor, painted); !image.isNull()) return image;
    return {};
}

QImage PictureVariants::loadVariant(const std::string& written, const std::string& suffix, QSize expected, QSize painted) const {
    const std::size_t dot = written.rfind('.');
    if (dot == std::string::npos) return {};
    const std::string variantPath = written.substr(0, dot) + "@" + suffix + written.substr(dot);
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
