#include "ScreenGeometry.h"
#include "XSession.h"

#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace lumenary::testing {
namespace {

// A 1920 x 1080 whiteboard: the screens (792 x 566 at the design size) fill its height.
const QRect display(0, 0, 1920, 1080);
const double scale = 1080.0 / 566;
const double marginX = std::floor((1920 - 792 * scale) / 2);

QPoint scaled(double twipsX, double twipsY) {
    return {static_cast<int>(marginX + twipsX / 15 * scale), static_cast<int>(twipsY / 15 * scale)};
}

int yellowIn(const QImage& screen, QRectF twips) {
    int count = 0;
    const QPoint from = scaled(twips.left(), twips.top()), to = scaled(twips.right(), twips.bottom());
    for (int py = from.y(); py < to.y(); ++py)
        for (int px = from.x(); px < to.x(); ++px) {
            const QColor c = screen.pixelColor(px, py);
            count += c.red() > 200 && c.green() > 200 && c.blue() < 90;
        }
    return count;
}

TEST(FullScreenE2eTest, F11FillsTheWhiteboardWhereARoundPlaysAsInTheWindow) {
    XSession x(display.size());
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QString title = x.waitForWindow(" ");
    ASSERT_FALSE(title.isEmpty()) << program.standardError().toStdString();
    x.click(atTwips(x.geometry(title), 1320 + 667, 6000 - 90 + 187));  // OK
    QRect menu = x.geometry(x.waitForWindow("Corbelwick"));
    x.click(atTwips(menu, 9600 + 1100, 3150 + 250));  // Menu 2
    QThread::msleep(300);
    x.click(atTwips(menu, 6000, 2400 + 750 * 2 + 250));  // Phases of the Moon
    const QString moon = x.waitForWindow("Phases of the Moon");
    ASSERT_FALSE(moon.isEmpty());
    x.moveTo(atTwips(x.geometry(moon), 6000, 600));
    x.key("F11");
    QThread::msleep(500);
    ASSERT_EQ(x.geometry(moon), display) << "the Moon screen fills the display";

    const std::pair<QPointF, QPointF> moves[] = {
        {{6120, 7320}, {3480, 3120}}, {{8400, 6720}, {8760, 3120}}, {{3840, 7320}, {3480, 5760}}, {{3840, 6720}, {6120, 3120}},
        {{6120, 6720}, {8760, 5760}}, {{1560, 6720}, {6120, 5760}}, {{8400, 7320}, {840, 5760}},  {{1560, 7320}, {840, 3120}},
    };
    const QPointF middle(1042, 187);
    for (const auto& [home, target] : moves) {
        x.moveTo(scaled(home.x() + middle.x(), home.y() + middle.y()));
        x.press();
        for (int step = 1; step <= 4; ++step) {
            const QPointF at = home + middle + (target - home) * step / 4.0;
            x.moveTo(scaled(at.x(), at.y()));
        }
        x.release();
        QThread::msleep(100);
    }
    x.click(scaled(6000 + 1280, 7920 + 250));  // Check Score
    x.moveTo(scaled(11500, 600));
    QThread::msleep(300);
    QImage screen = x.screenshot();
    keep(screen, "fullscreen-moon-scored");
    EXPECT_GT(yellowIn(screen, QRectF(6480, 240, 5280, 585)), 1500) << "8 out of 8 correct, in large type";
    EXPECT_EQ(screen.pixelColor(5, 540), QColor(0, 0, 0)) << "black margins";
    const QColor fullMoon = screen.pixelColor(scaled(660 + 1155, 3840 + 877));
    EXPECT_GT(fullMoon.lightness(), 150) << "the Full Moon picture is painted at its scaled place";

    x.click(scaled(10560 + 620, 7920 + 250));  // Exit
    ASSERT_TRUE(x.waitForNoWindow("Phases of the Moon"));
    menu = x.geometry(x.waitForWindow("Corbelwick"));
    EXPECT_EQ(menu, display) << "the menu beneath is full screen too";
    x.click(scaled(9600 + 1100, 2400 + 750 * 2 + 250));  // Menu 3, opened while full screen
    QThread::msleep(500);
    const QStringList menus = x.windowsTitled("Corbelwick");
    ASSERT_EQ(menus.size(), 1);
    EXPECT_EQ(x.geometry(menus.first()), display);
    keep(x.screenshot(), "fullscreen-menu3");

    x.key("F11");
    QThread::msleep(500);
    EXPECT_EQ(x.geometry(menus.first()).size(), QSize(792, 566)) << "back to the window";
}

}  // namespace
}  // namespace lumenary::testing
