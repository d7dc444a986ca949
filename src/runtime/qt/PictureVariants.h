#pragma once

#include "runtime/Picture.h"

#include <QImage>

#include <filesystem>
#include <map>
#include <string>

namespace lumenary {

// The sharper copies the build draws of each picture at three times its size, beside it, named
// in Qt's way ("Images\phases3@3x.jpg"), for painting a screen scaled up. The model never sees
// them: it loads and measures the picture the screen names. A variant is used only while it
// matches its picture, three times its size and not older than it, so that a picture someone
// replaces is never painted from a stale copy.
class PictureVariants {
public:
    static constexpr int factor = 3;

    explicit PictureVariants(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

    // The picture's sharper variant, or a null image when it has none that matches.
    QImage sharpest(const Picture& picture);

private:
    QImage load(const std::string& written, QSize expected) const;

    std::filesystem::path folder_;
    std::map<std::string, QImage> cache_;  // by the path the screen wrote
};

}  // namespace lumenary
