#include "LogForm.h"
#include "PaintedForm.h"
#include "WindowTest.h"
#include "activities/labelling/phaseslab.h"
#include "menus/intro0.h"
#include "qt/painting/FormPainter.h"
#include "qt/pictures/PictureVariants.h"
#include "runtime/controls/Label.h"

#include <QImage>
#include <QPainter>
#include <QPointingDevice>
#include <QScreen>
#include <QTest>

#include <filesystem>

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

using TouchAndMouse = ClassroomDisplay;

TEST_F(TouchAndMouse, ADoubleClickIsOneClickAndTheSecondPressStillDrags) {
    intro0& menu = open<intro0>(false);
    FormWindow& window = windowOf(menu);
    // Through the window system, which decides what a double-click is, as it does for a hand.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at(window, centre(menu.Label2[intro0::webAddressEntry])));
    EXPECT_EQ(platform.shellCalls.size(), 1u) << "the browser opens once";

    phaseslab& moon = open<phaseslab>(false);
    FormWindow& board = windowOf(moon);
    QTest::mouseDClick(board.windowHandle(), Qt::LeftButton, Qt::NoModifier, at(board, centre(moon.Label2[6])));
    drag(board, centre(moon.Label2[6]), centre(moon.Label1[6]));
    EXPECT_EQ(moon.Label2[6].Left, moon.Label1[6].Left) << "dragged and dropped as usual";
}

TEST_F(TouchAndMouse, OneFingerDragsATapClicksAndASecondFingerChangesNothing) {
    phaseslab& moon = open<phaseslab>(true);
    FormWindow& window = windowOf(moon);
    static QPointingDevice* const screen = QTest::createTouchDevice();  // Qt keeps it registered for the process
    const auto point = [&](QPointF twips) { return at(window, twips); };
    const QPointF from = centre(moon.Label2[6]);
    const QPointF to = centre(moon.Label1[6]);

    QTest::touchEvent(&window, screen).press(0, point(from));
    QTest::touchEvent(&window, screen).move(0, point((from + to) / 2));
    QTest::touchEvent(&window, screen).stationary(0).press(1, point({600, 600}));
    QTest::touchEvent(&window, screen).move(0, point(to)).move(1, point({11000, 8000}));
    QTest::touchEvent(&window, screen).stationary(0).release(1, point({11000, 8000}));
    EXPECT_NEAR(moon.Label2[6].Left + moon.Label2[6].Width / 2, to.x(), 20) << "the label follows the first finger";
    QTest::touchEvent(&window, screen).release(0, point(to));
    EXPECT_EQ(std::tuple(moon.Label2[6].Left, moon.Label2[6].Top), std::tuple(moon.Label1[6].Left, moon.Label1[6].Top));

    const QPoint exit = point(centre(moon.Label3[LabellingScreen::exitButton]));
    QTest::touchEvent(&window, screen).press(0, exit);
    QTest::touchEvent(&window, screen).release(0, exit);
    EXPECT_FALSE(runtime.isLoaded<phaseslab>()) << "a tap on Exit is a click";
}

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
