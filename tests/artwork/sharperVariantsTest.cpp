#include "artworkCatalogue.h"
#include "artworkWriter.h"

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

namespace lumenary::artwork {
namespace {

// Each picture's sharper variant is the same drawing at three times the resolution: brought
// back down to the picture's size it differs from the picture by no more than JPEG noise and
// the hinting of small text, not by anything drawn at another scale.
TEST(SharperVariants, EveryPictureHasOneThreeTimesItsSizeShowingTheSame) {
    const QDir folder(LUMENARY_APP_DIR);
    for (const ArtworkFile& file : artworkCatalogue()) {
        SCOPED_TRACE(file.path.toStdString());
        const QImage picture(folder.filePath(file.path));
        const QImage sharper(folder.filePath(sharperVariantPath(file.path)));
        ASSERT_EQ(sharper.size(), picture.size() * sharperVariantFactor);
        const QImage reduced = sharper.scaled(picture.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        double difference = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QColor a = picture.pixelColor(x, y), b = reduced.pixelColor(x, y);
                difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
            }
        EXPECT_LT(difference / (3.0 * picture.width() * picture.height()), 10.0);
    }
}

}  // namespace
}  // namespace lumenary::artwork
