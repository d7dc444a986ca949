#include "ScreenGeometry.h"
#include "XSession.h"

#include <QThread>

#include <gtest/gtest.h>

namespace lumenary::testing {
namespace {

// How many yellow pixels a twips rectangle of a window holds on the screenshot.
int yellowIn(const QImage& screen, const QRect& window, QRectF twips) {
    int count = 0;
    const QPoint from = atTwips(window, twips.left(), twips.top()), to = atTwips(window, twips.right(), twips.bottom());
    for (int py = from.y(); py < to.y(); ++py)
        for (int px = from.x(); px < to.x(); ++px) {
            const QColor c = screen.pixelColor(px, py);
            count += c.red() > 200 && c.green() > 200 && c.blue() < 90;
        }
    return count;
}

TEST(LabellingE2eTest, MoonLabelsDraggedOntoTheirTargetsScoreEightOutOfEight) {
    XSession x;
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QString title = x.waitForWindow(" ");
    ASSERT_FALSE(title.isEmpty()) << program.standardError().toStdString();
    x.click(atTwips(x.geometry(title), 1320 + 667, 6000 - 90 + 187));  // OK
    const QRect menu = x.geometry(x.waitForWindow("Corbelwick"));
    x.click(atTwips(menu, 9600 + 1100, 3150 + 250));  // Menu 2
    x.waitForWindow("Corbelwick");
    x.click(atTwips(menu, 6000, 2400 + 750 * 2 + 250));  // Phases of the Moon
    const QString id = x.waitForWindow("Phases of the Moon");
    ASSERT_FALSE(id.isEmpty());
    const QRect moon = x.geometry(id);

    // Each label's home and its own target; a 2085 x 375 label is held by its middle.
    const std::pair<QPointF, QPointF> moves[] = {
        {{6120, 7320}, {3480, 3120}}, {{8400, 6720}, {8760, 3120}}, {{3840, 7320}, {3480, 5760}}, {{3840, 6720}, {6120, 3120}},
        {{6120, 6720}, {8760, 5760}}, {{1560, 6720}, {6120, 5760}}, {{8400, 7320}, {840, 5760}},  {{1560, 7320}, {840, 3120}},
    };
    const QPointF middle(1042, 187);
    const QRectF checkScore(6000 + 60, 7920 + 60, 2565 - 120, 495 - 120), scoreLine(6480, 240, 5280, 585);
    EXPECT_EQ(yellowIn(x.screenshot(), moon, checkScore), 0) << "Check Score hidden at first";
    for (const auto& [home, target] : moves) {
        // Press, move there in steps as a hand does, let go.
        x.moveTo(atTwips(moon, home.x() + middle.x(), home.y() + middle.y()));
        x.press();
        for (int step = 1; step <= 5; ++step) {
            const QPointF at = home + middle + (target - home) * step / 5.0;
            x.moveTo(atTwips(moon, at.x(), at.y()));
        }
        x.release();
        QThread::msleep(100);
    }
    EXPECT_GT(yellowIn(x.screenshot(), moon, checkScore), 30) << "Check Score appeared";

    x.click(atTwips(moon, 6000 + 1280, 7920 + 250));  // Check Score
    x.moveTo(atTwips(moon, 11500, 600));
    const QImage screen = x.screenshot();
    keep(screen, "moon-scored");
    EXPECT_GT(yellowIn(screen, moon, scoreLine), 200) << "the score line is painted";

    x.click(atTwips(moon, 10560 + 620, 7920 + 250));  // Exit
    EXPECT_TRUE(x.waitForNoWindow("Phases of the Moon"));
    EXPECT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu2 is uncovered";
}

}  // namespace
}  // namespace lumenary::testing
