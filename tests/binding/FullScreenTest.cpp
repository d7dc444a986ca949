#include "WindowTest.h"
#include "LogForm.h"
#include "PaintedForm.h"
#include "activities/labelling/phaseslab.h"
#include "menus/intro0.h"
#include "qt/painting/FormPainter.h"
#include "runtime/controls/Label.h"

#include <QImage>
#include <QPainter>
#include <QScreen>
#include <QTest>

namespace lumenary::testing {
namespace {

using FullScreen = ClassroomDisplay;

struct Fit {
    TwipsSize client;
    QSize display;
    double scale, offsetX, offsetY;
};
// On a wide display the height decides the scale, on a tall one the width; the rest is margin,
// rounded down to whole pixels.
const Fit fits[] = {
    {{11880, 8490}, {1920, 1080}, 1080.0 / 566, 204, 0},
    {{11880, 8490}, {1584, 2001}, 2.0, 0, 434},
    {{11880, 8490}, {1901, 1359}, 1901.0 / 792, 0, 0},
    {{5460, 6570}, {1921, 1080}, 1080.0 / 438, 511, 0},
};

class Fitting : public ::testing::TestWithParam<Fit> {};
INSTANTIATE_TEST_SUITE_P(Displays, Fitting, ::testing::ValuesIn(fits));

TEST_P(Fitting, FullScreenFitsTheScreenUniformlyCentredOnWholePixels) {
    const Fit& fit = GetParam();
    const TwipsMapping mapping = FormWindows::fitting(fit.client, fit.display.width(), fit.display.height());
    EXPECT_NEAR(mapping.scale, fit.scale, 1e-9);
    EXPECT_EQ(std::pair(mapping.offsetX, mapping.offsetY), std::pair(fit.offsetX, fit.offsetY));
}

class MoonRound : public ClassroomDisplay, public ::testing::WithParamInterface<bool> {};

// Six labels on their own targets, two swapped, several let go off-centre inside a snap zone:
// the same snaps and the same score whether the screen is a window or fills a projector.
TEST_P(MoonRound, SnapsAndScoresTheSameInTheWindowAndFullScreen) {
    phaseslab& moon = open<phaseslab>(GetParam());
    FormWindow& window = windowOf(moon);
    EXPECT_NEAR(window.mapping().scale, GetParam() ? 2.4 : 1.0, 0.01);
    const int targetOf[] = {0, 1, 2, 3, 4, 5, 7, 6};
    for (int i = 0; i < 8; ++i) {
        const Label& target = moon.Label1[targetOf[i]];
        drag(window, centre(moon.Label2[i]), centre(target) + QPointF(i % 2 ? 300 : -300, i % 3 ? 120 : -90));
        EXPECT_EQ(std::tuple(moon.Label2[i].Left, moon.Label2[i].Top), std::tuple(target.Left, target.Top)) << i;
    }
    ASSERT_TRUE(moon.Label3[LabellingScreen::checkScoreButton].Visible);
    drag(window, centre(moon.Label3[LabellingScreen::checkScoreButton]), centre(moon.Label3[LabellingScreen::checkScoreButton]));
    EXPECT_EQ(moon.Label5.Caption, "6 out of 8 correct");

    // Only what changed was repainted, and that was enough: what the window holds now is the
    // whole screen painted afresh, with no trail of a label's old place (smoothing at the edge
    // of a repainted area may differ by a shade).
    const QImage afresh = paintForm(moon, window.mapping().scale);
    const QImage held = window.screen()->grabWindow(window.winId()).toImage();
    int differing = 0;
    for (int y = 0; y < afresh.height(); ++y)
        for (int x = 0; x < afresh.width(); ++x) differing += !near(held.pixelColor(x, y), afresh.pixelColor(x, y), 8);
    EXPECT_EQ(differing, 0);
}
INSTANTIATE_TEST_SUITE_P(WindowAndFullScreen, MoonRound, ::testing::Bool());

TEST_F(FullScreen, FullScreenHoldsForScreensOpenedLaterAndF11OrEscReturnsToTheWindowOnceNoLabelIsCarried) {
    intro0& menu = open<intro0>(false);
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    EXPECT_EQ(std::tuple(windows.isFullScreen(), windowOf(menu).geometry()), std::tuple(true, QRect(0, 0, 1901, 1359)));
    runtime.dispatch([] { form<phaseslab>().Show(); });
    windows.sync();
    EXPECT_TRUE(windowOf(runtime.form<phaseslab>()).isFullScreen()) << "a screen opened meanwhile opens full screen";
    FormWindow& board = windowOf(runtime.form<phaseslab>());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board)) << "the screen in front has the keyboard";
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Right}) QTest::keyClick(&board, key);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(&board, &held);
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_EQ(std::tuple(windows.isFullScreen(), runtime.form<phaseslab>().isCarrying()), std::tuple(true, false))
        << "Esc first puts back the label the keyboard carries, which a held Enter did not put down";
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_EQ(std::tuple(windows.isFullScreen(), windowOf(menu).size(), windowOf(menu).mapping().scale), std::tuple(false, QSize(792, 566), 1.0));
    runtime.dispatch([] { Unload(form<phaseslab>()); });
    windows.sync();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windowOf(menu)));
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    EXPECT_FALSE(windows.isFullScreen());
}

TEST_F(FullScreen, EdgesAreWholeDevicePixelsOnADenseDisplay) {
    intro0& menu = open<intro0>(false);
    const Label& entry = menu.Label2[0];
    const QImage dense = paintForm(menu, 1.0, 2.0);
    const int row = static_cast<int>((entry.Top + entry.Height / 2) / 15 * 2);
    const int left = static_cast<int>(entry.Left / 15 * 2);
    const QColor rings[] = {QColor(128, 128, 128), QColor(128, 128, 128), QColor(64, 64, 64), QColor(64, 64, 64)};
    for (int i = 0; i < 4; ++i) EXPECT_EQ(dense.pixelColor(left + i, row), rings[i]) << "device column " << i;
    const QImage projector = paintForm(menu, 2.4);
    const int scaledLeft = static_cast<int>(std::lround(entry.Left / 15 * 2.4));
    const int scaledRow = static_cast<int>((entry.Top + entry.Height / 2) / 15 * 2.4);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(projector.pixelColor(scaledLeft + i, scaledRow), rings[i]) << "scaled column " << i;
}

// A background picture wider and taller than the screen, and a label beyond its corner, stay
// inside the client area: the margins around it are never painted over.
TEST_F(FullScreen, NothingIsPaintedBeyondTheClientArea) {
    LogForm& form = runtime.form<LogForm>();
    form.Width = 12000, form.Height = 9000;  // 11880 x 8490 twips inside the frame
    form.Picture = Picture(1000, 700, std::vector<std::uint32_t>(1000 * 700, 0xff00ff00u), "wide");
    form.place<Label>("beyond", 11000, 8000, 3000, 3000).BackColor = colors::black;
    QImage image(2200, 1600, QImage::Format_RGB32);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    FormPainter(painter, TwipsMapping{2.4, 100, 50}).paint(form);
    painter.end();
    const QRect client(100, 50, 1901, 1358);
    int beyond = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) beyond += !client.contains(x, y) && image.pixelColor(x, y) != QColor(Qt::magenta);
    EXPECT_EQ(beyond, 0);
    EXPECT_EQ(image.pixelColor(client.topLeft()), QColor(0, 255, 0)) << "the picture from the corner";
    EXPECT_EQ(image.pixelColor(client.bottomRight()), QColor(0, 0, 0)) << "the label up to the edge";
}

}  // namespace
}  // namespace lumenary::testing
