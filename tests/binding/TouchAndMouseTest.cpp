#include "WindowTest.h"
#include "activities/labelling/phaseslab.h"
#include "menus/intro0.h"

#include <QPointingDevice>
#include <QTest>

namespace lumenary::testing {
namespace {

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

}  // namespace
}  // namespace lumenary::testing
