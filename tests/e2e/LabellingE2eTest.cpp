#include "ScreenGeometry.h"
#include "XSession.h"

#include <gtest/gtest.h>

#include <cmath>

namespace lumenary::testing {
namespace {

// A 1920 x 1080 whiteboard. In its window the Moon screen is 792 x 566 pixels; full screen
// (F11), as a class sees it, it fills the display's height, centred between black margins.
const QRect display(0, 0, 1920, 1080);
const double fullScale = 1080.0 / 566;
const Placement fullScreen{{static_cast<int>(std::floor((1920 - 792 * fullScale) / 2)), 0}, fullScale};

TEST(LabellingE2eTest, MoonLabelsDraggedOntoTheirTargetsFullScreenScoreEightOutOfEight) {
    XSession x(display.size());
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QRect menu = openTopicMenu(x, program, 1);
    x.click(atTwips(menu, 6000, 2400 + 750 * 2 + 250));  // Phases of the Moon
    const QString id = x.waitForWindow("Phases of the Moon");
    ASSERT_FALSE(id.isEmpty());
    x.moveTo(atTwips(x.geometry(id), 6000, 600));
    ASSERT_TRUE(x.waitForFocus(id));
    x.key("F11");
    ASSERT_TRUE(x.waitUntil([&] { return x.geometry(id) == display; })) << "the Moon screen fills the display";
    const Placement moon = fullScreen;

    // Each label's home and its own target; a 2085 x 375 label is held by its middle.
    const std::pair<QPointF, QPointF> moves[] = {
        {{6120, 7320}, {3480, 3120}}, {{8400, 6720}, {8760, 3120}}, {{3840, 7320}, {3480, 5760}}, {{3840, 6720}, {6120, 3120}},
        {{6120, 6720}, {8760, 5760}}, {{1560, 6720}, {6120, 5760}}, {{8400, 7320}, {840, 5760}},  {{1560, 7320}, {840, 3120}},
    };
    const QPointF middle(1042, 187);
    const QRect checkScore = moon.area({6000 + 60, 7920 + 60, 2565 - 120, 495 - 120}), scoreLine = moon.area({6480, 240, 5280, 585});
    for (const auto& [home, target] : moves) {
        // Press, move there in steps as a hand does, let go.
        x.moveTo(moon.at(home.x() + middle.x(), home.y() + middle.y()));
        x.press();
        for (int step = 1; step <= 5; ++step) {
            const QPointF at = home + middle + (target - home) * step / 5.0;
            x.moveTo(moon.at(at.x(), at.y()));
        }
        x.release();
    }
    EXPECT_GT(yellowIn(x.waitForScreen([&](const QImage& s) { return yellowIn(s, checkScore) > 30; }), checkScore), 30)
        << "Check Score appeared";

    x.click(moon.at(6000 + 1280, 7920 + 250));  // Check Score
    x.moveTo(moon.at(11500, 600));
    const QImage screen = x.waitForScreen([&](const QImage& s) { return yellowIn(s, scoreLine) > 1000; });
    keep(screen, "moon-scored-full-screen");
    EXPECT_GT(yellowIn(screen, scoreLine), 1000) << "8 out of 8 correct is painted";

    x.click(moon.at(10560 + 620, 7920 + 250));  // Exit
    EXPECT_TRUE(x.waitForNoWindow("Phases of the Moon"));
    ASSERT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu2 is uncovered";
    const QString menu2 = x.windowsTitled("Corbelwick").first();
    EXPECT_EQ(x.geometry(menu2), display) << "full screen holds for the menu";
}

}  // namespace
}  // namespace lumenary::testing
