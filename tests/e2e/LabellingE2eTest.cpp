#include "ScreenGeometry.h"
#include "XSession.h"

#include <QThread>

#include <gtest/gtest.h>

namespace lumenary::testing {
namespace {

class LabellingE2eTest : public ::testing::Test {
protected:
    XSession x;

    // Title screen -> main menu -> menu2 -> the activity entry; the activity's window.
    QRect openFromMenu2(ProgramProcess& program, int entry, const QString& caption) {
        const QString title = x.waitForWindow(" ");
        EXPECT_FALSE(title.isEmpty()) << program.standardError().toStdString();
        x.click(atTwips(x.geometry(title), 1320 + 667, 6000 - 90 + 187));
        menu_ = x.geometry(x.waitForWindow("Corbelwick"));
        x.click(atTwips(menu_, 9600 + 1100, 3150 + 250));  // "Menu 2"
        x.waitForWindow("Corbelwick");
        x.click(atTwips(menu_, 6000, 2400 + 750 * entry + 250));
        const QString activity = x.waitForWindow(caption);
        EXPECT_FALSE(activity.isEmpty());
        return x.geometry(activity);
    }

    // Presses on a point, moves there in several steps as a hand does, and lets go.
    void drag(const QRect& window, QPointF fromTwips, QPointF toTwips) {
        x.moveTo(atTwips(window, fromTwips.x(), fromTwips.y()));
        x.press();
        for (int step = 1; step <= 5; ++step) {
            const QPointF at = fromTwips + (toTwips - fromTwips) * step / 5.0;
            x.moveTo(atTwips(window, at.x(), at.y()));
        }
        x.release();
        QThread::msleep(100);
    }
    static bool isYellow(const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() < 90; }
    // How many yellow pixels a twips rectangle of the screenshot holds.
    static int yellowIn(const QImage& screen, const QRect& window, QRectF twips) {
        int count = 0;
        const QPoint from = atTwips(window, twips.left(), twips.top());
        const QPoint to = atTwips(window, twips.right(), twips.bottom());
        for (int py = from.y(); py < to.y(); ++py)
            for (int px = from.x(); px < to.x(); ++px) count += isYellow(screen.pixelColor(px, py));
        return count;
    }

    QRect menu_;
};

struct Move {
    QPointF home;    // centre of a name label at home
    QPointF target;  // centre of its own target
};

TEST_F(LabellingE2eTest, MoonLabelsDraggedOntoTheirTargetsScoreEightOutOfEight) {
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QRect moon = openFromMenu2(program, 2, "Phases of the Moon");
    keep(x.screenshot(), "moon-start");

    // Every label is 2085 x 375; centres are its corner plus (1042, 187).
    const Move moves[] = {
        {{6120, 7320}, {3480, 3120}}, {{8400, 6720}, {8760, 3120}}, {{3840, 7320}, {3480, 5760}},
        {{3840, 6720}, {6120, 3120}}, {{6120, 6720}, {8760, 5760}}, {{1560, 6720}, {6120, 5760}},
        {{8400, 7320}, {840, 5760}},  {{1560, 7320}, {840, 3120}},
    };
    const QPointF centre(1042, 187);
    const QRectF checkScore(6000 + 60, 7920 + 60, 2565 - 120, 495 - 120);
    EXPECT_EQ(yellowIn(x.screenshot(), moon, checkScore), 0) << "Check Score hidden at first";

    // One label dropped far from every box stays where it was let go.
    drag(moon, moves[0].home + centre, QPointF(6500, 8350));
    QImage screen = x.screenshot();
    EXPECT_GT(yellowIn(screen, moon, QRectF(6500 - 1042 + 100, 8350 - 187 + 40, 1800, 300)), 30);
    drag(moon, QPointF(6500, 8350), moves[0].home + centre);

    for (const Move& move : moves) drag(moon, move.home + centre, move.target + centre);
    screen = x.screenshot();
    keep(screen, "moon-complete");
    EXPECT_GT(yellowIn(screen, moon, checkScore), 30) << "Check Score appeared";

    x.click(atTwips(moon, 6000 + 1280, 7920 + 250));
    x.moveTo(atTwips(moon, 11500, 600));  // over the background: buttons lose their boxes
    screen = x.screenshot();
    keep(screen, "moon-scored");
    const QRectF scoreLine(6480, 240, 5280, 585);
    EXPECT_GT(yellowIn(screen, moon, scoreLine), 200) << "the score line is painted";

    x.click(atTwips(moon, 3360 + 1280, 7920 + 250));  // Start Again
    screen = x.screenshot();
    EXPECT_EQ(yellowIn(screen, moon, scoreLine), 0);
    EXPECT_GT(yellowIn(screen, moon, QRectF(8400 + 100, 7320 + 40, 1800, 300)), 30) << "Full Moon is home again";

    x.click(atTwips(moon, 10560 + 620, 7920 + 250));  // Exit
    EXPECT_TRUE(x.waitForNoWindow("Phases of the Moon"));
    EXPECT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu2 is uncovered";
}

TEST_F(LabellingE2eTest, PlanetsInBrief) {
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QRect planets = openFromMenu2(program, 3, "Ordering the Planets");
    keep(x.screenshot(), "planets-start");

    const Move moves[] = {
        {{2400, 7320}, {840, 4230}},  {{3120, 6720}, {7560, 2880}}, {{6720, 7320}, {120, 7560}},
        {{4560, 6720}, {4170, 2400}}, {{7440, 6720}, {480, 6060}},  {{8160, 7320}, {2400, 2880}},
        {{5280, 7320}, {9780, 3540}}, {{6000, 6720}, {10320, 5760}}, {{3840, 7320}, {10440, 7080}},
    };
    const QPointF centre(660, 187);
    // Move the labels in an order that never drops one on a label still waiting at home.
    for (int i : {2, 0, 4, 5, 3, 1, 6, 7, 8}) drag(planets, moves[i].home + centre, moves[i].target + centre);
    x.click(atTwips(planets, 6000 + 1280, 7920 + 250));
    x.moveTo(atTwips(planets, 11500, 8500));
    const QImage screen = x.screenshot();
    keep(screen, "planets-scored");
    EXPECT_GT(yellowIn(screen, planets, QRectF(3360, 5640, 5280, 705)), 200) << "the score line is painted";

    x.click(atTwips(planets, 10560 + 620, 7920 + 250));
    EXPECT_TRUE(x.waitForNoWindow("Ordering the Planets"));
}

}  // namespace
}  // namespace lumenary::testing
