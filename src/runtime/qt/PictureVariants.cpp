#include "PictureVariants.h"

#include "runtime/PicturePath.h"
#include "runtime/RuntimeError.h"

#include <QImageReader>

namespace lumenary {

namespace fs = std::filesystem;

QImage PictureVariants::sharpest(const Picture& picture) {
    if (picture.isEmpty() || picture.sourcePath().empty()) return {};
    auto [entry, fresh] = cache_.try_emplace(picture.sourcePath());
    if (fresh) entry->second = load(picture.sourcePath(), QSize(picture.width(), picture.height()) * factor);
    return entry->second;
}

QImage PictureVariants::load(const std::string& written, QSize expected) const {
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
    if (!fs::is_regular_file(variant, error)) return {};
    const auto variantTime = fs::last_write_time(variant, error);
    if (error || variantTime < fs::last_write_time(original, error) || error) return {};
    QImageReader reader(QString::fromStdString(variant.string()));
    if (reader.size() != expected) return {};
    return reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace lumenary
