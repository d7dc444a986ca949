#include "PaintedForm.h"
#include "ScreenTest.h"
#include "framework/Titlefrm.h"

#include <QGuiApplication>
#include <QPalette>

namespace lumenary::testing {
namespace {

using TitleScreenPaintTest = ScreenTest;

// Share of pixels in a twips rectangle whose colour differs from `colour`.
double shareUnlike(const QImage& image, const QColor& colour, float left, float top, float width, float height) {
    int unlike = 0, all = 0;
    for (float y = top; y < top + height; y += 15)
        for (float x = left; x < left + width; x += 15, ++all)
            if (colourAtTwips(image, x, y) != colour) ++unlike;
    return static_cast<double>(unlike) / all;
}

TEST_F(TitleScreenPaintTest, ArtworkShowsInsideThePictureBoxWithinTheFrame) {
    Titlefrm& title = runtime.form<Titlefrm>();
    const QImage image = paintForm(title);
    const QColor frameColour = QGuiApplication::palette().color(QPalette::Window);

    ASSERT_EQ(image.size(), QSize(364, 438)) << "client area 5460 x 6570 twips";
    // Picture1 lies at (300, 1560) inside Frame1, whose top is 90 twips above the client area.
    EXPECT_GT(shareUnlike(image, frameColour, 400, 1560, 4600, 3300), 0.9) << "artwork fills the picture box";
    EXPECT_EQ(colourAtTwips(image, 150, 3000), frameColour) << "the frame shows left of the picture box";
    EXPECT_EQ(colourAtTwips(image, 5250, 3000), frameColour) << "and right of it";
    // Label3 (the credit line) sits at (360, 5370) in the frame, 90 twips up in the client area.
    EXPECT_GT(shareUnlike(image, frameColour, 360, 5280, 4695, 615), 0.03) << "the credit line is drawn";
}

TEST_F(TitleScreenPaintTest, FallbackPaintsTheStandardBlueBeyondTheFrameInTheTopLeftCorner) {
    platform.failingDecodes = 1;
    Titlefrm& title = runtime.form<Titlefrm>();
    const QImage image = paintForm(title);
    const QColor standardBlue(49, 135, 214);
    const QColor frameColour = QGuiApplication::palette().color(QPalette::Window);

    ASSERT_EQ(image.size(), QSize(792, 566)) << "12000 x 9000 twips less the window frame";
    EXPECT_EQ(colourAtTwips(image, 8000, 3000), standardBlue);
    EXPECT_EQ(colourAtTwips(image, 5600, 100), standardBlue) << "just right of the frame";
    EXPECT_EQ(colourAtTwips(image, 2000, 6650), standardBlue) << "just below the frame";
    EXPECT_EQ(colourAtTwips(image, 150, 3000), frameColour);
    EXPECT_GT(shareUnlike(image, frameColour, 400, 1560, 4600, 3300), 0.9) << "the second load shows the artwork";
}

}  // namespace
}  // namespace lumenary::testing
