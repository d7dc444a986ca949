#include "WindowTest.h"
#include "PaintedForm.h"
#include "activities/labelling/phaseslab.h"
#include "qt/pictures/PictureVariants.h"

#include <QImage>
#include <QPainter>

#include <filesystem>

namespace lumenary::testing {
namespace {

using SharperVariants = ClassroomDisplay;

TEST_F(SharperVariants, ScaledUpPicturesComeFromTheirSharperVariantsWhileTheyMatch) {
    ProgramFolderCopy copy;
    namespace fs = std::filesystem;
    const auto save = [&](int width, int height, QColor colour, const char* path) {
        QImage marked(width, height, QImage::Format_RGB32);
        marked.fill(colour);
        ASSERT_TRUE(marked.save(QString::fromStdString((copy.path() / path).string())));
    };
    fs::remove(copy.path() / "Images/phases2@3x.jpg");
    save(154 * 3, 117 * 3, QColor(0, 200, 0), "Images/phases3@3x.jpg");
    save(154 * 2, 117 * 2, QColor(0, 0, 200), "Images/phases3@2x.jpg");
    save(154 * 3, 117 * 3, QColor(0, 200, 0), "Images/phases5@3x.jpg");
    const fs::path phases5 = copy.path() / "Images/phases5.jpg";
    fs::last_write_time(phases5, fs::last_write_time(copy.path() / "Images/phases5@3x.jpg") + std::chrono::hours(1));
    platform.folder = copy.path();
    phaseslab& moon = open<phaseslab>(false);
    PictureVariants variants(copy.path());

    const QImage scaled = paintForm(moon, 2.4, 1.0, &variants);
    // The middle of a Moon picture painted at a scale.
    const auto middleOf = [&](const QImage& painted, int picture, double scale) {
        const Image& image = moon.Image1[picture];
        return painted.pixelColor(static_cast<int>((image.Left + image.Width / 2) / 15 * scale),
                                  static_cast<int>((image.Top + image.Height / 2) / 15 * scale));
    };
    EXPECT_TRUE(near(middleOf(scaled, 3, 2.4), QColor(0, 200, 0))) << "drawn from its variant three times the size";
    EXPECT_FALSE(near(middleOf(scaled, 5, 2.4), QColor(0, 200, 0))) << "a variant older than its picture is stale";
    EXPECT_TRUE(near(middleOf(scaled, 4, 2.4), QColor(200, 200, 200), 60)) << "the Full Moon, scaled from the original";
    EXPECT_FALSE(near(middleOf(paintForm(moon, 1.0, 1.0, &variants), 3, 1.0), QColor(0, 200, 0))) << "at the design size the picture itself";
    EXPECT_TRUE(near(middleOf(paintForm(moon, 1.8, 1.0, &variants), 3, 1.8), QColor(0, 0, 200))) << "up to twice the size, the double one";

    // Kept reduced to the size it is painted at, the variant paints as the whole of it would:
    // as sharp, never reduced further. The reader's reduction and the painter's smoothing differ
    // by a few shades at the Moon's edge; a picture reduced twice over would differ far more.
    const TwipsMapping projector{2.4};
    const Image& newMoon = moon.Image1[0];
    const QPoint topLeft(projector.toPixelX(newMoon.Left), projector.toPixelY(newMoon.Top));
    const QPoint end(projector.toPixelX(newMoon.Left + newMoon.Width), projector.toPixelY(newMoon.Top + newMoon.Height));
    QImage whole(QSize((end - topLeft).x(), (end - topLeft).y()), QImage::Format_RGB32);
    QPainter painter(&whole);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(whole.rect(), QImage(QString::fromStdString((copy.path() / "Images/phases0@3x.jpg").string())));
    int worst = 0;
    for (int y = 0; y < whole.height(); ++y)
        for (int x = 0; x < whole.width(); ++x) worst += !near(whole.pixelColor(x, y), scaled.pixelColor(topLeft + QPoint(x, y)), 40);
    EXPECT_EQ(worst, 0);
}

}  // namespace
}  // namespace lumenary::testing
