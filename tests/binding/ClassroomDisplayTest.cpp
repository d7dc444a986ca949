#include "PaintedForm.h"
#include "WindowTest.h"
#include "activities/labelling/phaseslab.h"
#include "menus/intro0.h"
#include "qt/pictures/PictureVariants.h"

#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPointingDevice>
#include <QScreen>
#include <QTest>

#include <filesystem>

namespace lumenary::testing {
namespace {

bool near(QColor a, QColor b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The real windows of the shown screens, as a pupil's hand reaches them.
class ClassroomDisplay : public WindowTest {
protected:
    template <class F>
    F& open(bool fullScreen) {
        runtime.dispatch([] { form<F>().Show(); });
        windows.setFullScreen(fullScreen);
        windows.sync();
        QCoreApplication::processEvents();  // the first paint
        return runtime.form<F>();
    }
    // The window pixel of a point of the form, given in twips.
    static QPoint at(const FormWindow& window, Twips x, Twips y) {
        return {window.mapping().toPixelX(x), window.mapping().toPixelY(y)};
    }
    void drag(FormWindow& w, QPointF fromTwips, QPointF toTwips) {
        mouse(w, QEvent::MouseButtonPress, at(w, fromTwips.x(), fromTwips.y()), Qt::LeftButton);
        for (int step = 1; step <= 4; ++step) {
            const QPointF p = fromTwips + (toTwips - fromTwips) * step / 4.0;
            mouse(w, QEvent::MouseMove, at(w, p.x(), p.y()), Qt::LeftButton);
        }
        mouse(w, QEvent::MouseButtonRelease, at(w, toTwips.x(), toTwips.y()), Qt::NoButton);
        QCoreApplication::processEvents();  // the window repaints what changed
    }
    static QPointF centre(const Control& c) { return {c.Left + c.Width / 2, c.Top + c.Height / 2}; }
};

// On a wide display the height decides the scale, on a tall one the width; the rest is margin.
TEST(TwipsMapping, FullScreenFitsTheScreenUniformlyCentredOnWholePixels) {
    const TwipsMapping wide = FormWindows::fitting({11880, 8490}, 1920, 1080), tall = FormWindows::fitting({11880, 8490}, 1584, 2000);
    EXPECT_NEAR(wide.scale, 1080.0 / 566, 1e-9);
    EXPECT_EQ(std::pair(wide.offsetX, wide.offsetY), std::pair(std::floor((1920 - 792 * wide.scale) / 2), 0.0));
    EXPECT_EQ(std::tuple(tall.scale, tall.offsetX, tall.offsetY), std::tuple(2.0, 0.0, 434.0));
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
        EXPECT_EQ(moon.Label2[i].Left, target.Left) << i;
        EXPECT_EQ(moon.Label2[i].Top, target.Top) << i;
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

TEST_F(ClassroomDisplay, FullScreenHoldsForScreensOpenedLaterAndF11OrEscReturnsToTheWindowOnceNoLabelIsCarried) {
    intro0& menu = open<intro0>(false);
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    EXPECT_TRUE(windows.isFullScreen());
    EXPECT_EQ(windowOf(menu).geometry(), QRect(0, 0, 1901, 1359));
    runtime.dispatch([] { form<phaseslab>().Show(); });
    windows.sync();
    EXPECT_TRUE(windowOf(runtime.form<phaseslab>()).isFullScreen()) << "a screen opened meanwhile opens full screen";
    FormWindow& board = windowOf(runtime.form<phaseslab>());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&board)) << "the screen in front has the keyboard";
    for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Return, Qt::Key_Right}) QTest::keyClick(&board, key);
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r", true);
    QApplication::sendEvent(&board, &held);
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_TRUE(windows.isFullScreen()) << "Esc first puts back the label the keyboard carries, which a held Enter did not put down";
    EXPECT_FALSE(runtime.form<phaseslab>().isCarrying());
    QTest::keyClick(&board, Qt::Key_Escape);
    EXPECT_FALSE(windows.isFullScreen());
    EXPECT_EQ(windowOf(menu).size(), QSize(792, 566));
    EXPECT_EQ(windowOf(menu).mapping().scale, 1.0);
    runtime.dispatch([] { Unload(form<phaseslab>()); });
    windows.sync();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windowOf(menu)));
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    QTest::keyClick(&windowOf(menu), Qt::Key_F11);
    EXPECT_FALSE(windows.isFullScreen());
}

TEST_F(ClassroomDisplay, ADoubleClickIsOneClickAndTheSecondPressStillDrags) {
    intro0& menu = open<intro0>(false);
    FormWindow& window = windowOf(menu);
    const Label& web = menu.Label2[intro0::webAddressEntry];
    // Through the window system, which decides what a double-click is, as it does for a hand.
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, Qt::NoModifier, at(window, centre(web).x(), centre(web).y()));
    EXPECT_EQ(platform.shellCalls.size(), 1u) << "the browser opens once";

    phaseslab& moon = open<phaseslab>(false);
    FormWindow& board = windowOf(moon);
    const QPoint home = at(board, centre(moon.Label2[6]).x(), centre(moon.Label2[6]).y());
    QTest::mouseDClick(board.windowHandle(), Qt::LeftButton, Qt::NoModifier, home);
    drag(board, centre(moon.Label2[6]), centre(moon.Label1[6]));
    EXPECT_EQ(moon.Label2[6].Left, moon.Label1[6].Left) << "dragged and dropped as usual";
}

TEST_F(ClassroomDisplay, OneFingerDragsATapClicksAndASecondFingerChangesNothing) {
    phaseslab& moon = open<phaseslab>(true);
    FormWindow& window = windowOf(moon);
    static QPointingDevice* const screen = QTest::createTouchDevice();  // Qt keeps it registered for the process
    const auto point = [&](QPointF twips) { return at(window, twips.x(), twips.y()); };
    const QPointF from = centre(moon.Label2[6]);
    const QPointF to = centre(moon.Label1[6]);

    QTest::touchEvent(&window, screen).press(0, point(from));
    QTest::touchEvent(&window, screen).move(0, point((from + to) / 2));
    QTest::touchEvent(&window, screen).stationary(0).press(1, point({600, 600}));
    QTest::touchEvent(&window, screen).move(0, point(to)).move(1, point({11000, 8000}));
    QTest::touchEvent(&window, screen).stationary(0).release(1, point({11000, 8000}));
    EXPECT_NEAR(moon.Label2[6].Left + moon.Label2[6].Width / 2, to.x(), 20) << "the label follows the first finger";
    QTest::touchEvent(&window, screen).release(0, point(to));
    EXPECT_EQ(moon.Label2[6].Left, moon.Label1[6].Left);
    EXPECT_EQ(moon.Label2[6].Top, moon.Label1[6].Top);

    const QPoint exit = point(centre(moon.Label3[LabellingScreen::exitButton]));
    QTest::touchEvent(&window, screen).press(0, exit);
    QTest::touchEvent(&window, screen).release(0, exit);
    EXPECT_FALSE(runtime.isLoaded<phaseslab>()) << "a tap on Exit is a click";
}

// ---- Painting scaled up ----

TEST_F(ClassroomDisplay, ScaledUpPicturesComeFromTheirSharperVariantsWhileTheyMatch) {
    ProgramFolderCopy copy;
    namespace fs = std::filesystem;
    for (const char* stale : {"Images/phases2@3x.jpg", "Images/phases5@3x.jpg"}) fs::remove(copy.path() / stale);
    QImage marked(154 * 3, 117 * 3, QImage::Format_RGB32);
    marked.fill(QColor(0, 200, 0));
    ASSERT_TRUE(marked.save(QString::fromStdString((copy.path() / "Images/phases3@3x.jpg").string())));
    QImage markedDouble(154 * 2, 117 * 2, QImage::Format_RGB32);
    markedDouble.fill(QColor(0, 0, 200));
    ASSERT_TRUE(markedDouble.save(QString::fromStdString((copy.path() / "Images/phases3@2x.jpg").string())));
    ASSERT_TRUE(marked.save(QString::fromStdString((copy.path() / "Images/phases5@3x.jpg").string())));
    const fs::path phases5 = copy.path() / "Images/phases5.jpg";
    fs::last_write_time(phases5, fs::last_write_time(copy.path() / "Images/phases5@3x.jpg") + std::chrono::hours(1));
    platform.folder = copy.path();
    phaseslab& moon = open<phaseslab>(false);
    PictureVariants variants(copy.path());

    const QImage scaled = paintForm(moon, 2.4, 1.0, &variants);
    const auto middleOf = [&](int picture) {
        const Image& image = moon.Image1[picture];
        return scaled.pixelColor(static_cast<int>((image.Left + image.Width / 2) / 15 * 2.4),
                                 static_cast<int>((image.Top + image.Height / 2) / 15 * 2.4));
    };
    EXPECT_TRUE(near(middleOf(3), QColor(0, 200, 0))) << "drawn from its variant three times the size";
    EXPECT_FALSE(near(middleOf(5), QColor(0, 200, 0))) << "a variant older than its picture is stale";
    EXPECT_TRUE(near(middleOf(4), QColor(200, 200, 200), 60)) << "the Full Moon, scaled from the original";
    const Image& third = moon.Image1[3];
    EXPECT_FALSE(near(paintForm(moon, 1.0, 1.0, &variants).pixelColor(static_cast<int>((third.Left + third.Width / 2) / 15),
                                                                       static_cast<int>((third.Top + third.Height / 2) / 15)),
                      QColor(0, 200, 0)))
        << "at the design size the picture itself is painted";
    EXPECT_TRUE(near(paintForm(moon, 1.8, 1.0, &variants)
                         .pixelColor(static_cast<int>((third.Left + third.Width / 2) / 15 * 1.8),
                                     static_cast<int>((third.Top + third.Height / 2) / 15 * 1.8)),
                     QColor(0, 0, 200)))
        << "at up to twice the size, from its double-size variant";

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

TEST_F(ClassroomDisplay, EdgesAreWholeDevicePixelsOnADenseDisplay) {
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

}  // namespace
}  // namespace lumenary::testing
