#pragma once

#include "runtime/Picture.h"

#include <QImage>

#include <filesystem>
#include <map>
#include <string>
#include <tuple>

namespace lumenary {

// The sharper copies the build draws of each picture at two and three times its size, beside
// it, named in Qt's way ("Images\phases3@2x.jpg"), for painting a screen scaled up. The model
// never sees them: it loads and measures the picture the screen names. The smallest variant at
// least the painted size is used (a 1920 x 1080 display paints at 1.8 times, from the double
// one, which decodes in under half the time), or the largest there is. A variant is used only
// while it matches its picture, its factor times its size and not older than it, so that a
// picture someone replaces is never painted from a stale copy. Before them comes a copy drawn at
// exactly the painted size, where the build made one ("Images\tessil3@1527x1145.jpg", the
// background as a 1920 x 1080 display paints it): it is read with nothing to reduce.
//
// A variant is kept reduced to the size it is painted at (never below it, so it stays sharp),
// in the format the painter draws fastest: the repaints of a scaled screen then copy pixels
// rather than scale a large picture each time, and a full-screen background takes a third of
// the memory. It is kept only while its picture is: the variants of a screen that was closed
// are freed when the next picture is read.
class PictureVariants {
public:
    static constexpr int factors[] = {2, 3};

    explicit PictureVariants(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

    // The picture's sharper variant for painting at `painted` device pixels, or a null image
    // when it has none that matches.
    QImage sharpest(const Picture& picture, QSize painted);

private:
    struct Prepared {
        Picture::Weak picture;
        QImage image;
    };

    QImage load(const std::string& written, QSize size, QSize painted) const;
    // The variant named with `suffix` ("2x", or a size such as "1527x1145").
    QImage loadVariant(const std::string& written, const std::string& suffix, QSize expected, QSize painted) const;

    std::filesystem::path folder_;
    // By the path the screen wrote and the painted size.
    std::map<std::tuple<std::string, int, int>, Prepared> cache_;
};

}  // namespace lumenary
