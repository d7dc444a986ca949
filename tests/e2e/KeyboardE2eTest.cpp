#include "ScreenGeometry.h"
#include "XSession.h"

#include <QThread>

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lumenary::testing {
namespace {

QString times(int count, const QString& key) { return QStringList(count, key).join(' '); }

TEST(KeyboardE2eTest, FromTheTitleScreenToAFullMoonRoundScoredWithTheKeyboardAlone) {
    XSession x;
    ProgramProcess program(x, LUMENARY_APP_DIR);
    ASSERT_FALSE(x.waitForWindow(" ").isEmpty()) << program.standardError().toStdString();
    x.key("Return");  // OK has the focus
    const QRect menu = x.geometry(x.waitForWindow("Corbelwick"));
    x.key("Tab Tab Tab");  // from Exit, which has the focus, past the web address beside it to Menu 1, Menu 2
    QImage screen = x.screenshot();
    keep(screen, "keyboard-main-menu");
    EXPECT_EQ(screen.pixelColor(atTwips(menu, 9600 + 1100, 2400 + 750) - QPoint(0, 2)), QColor(Qt::white)) << "the ring round Menu 2";
    x.key("Return");
    QThread::msleep(300);
    x.key("Tab Tab Tab Return");  // Menu 1, Menu 2 (the greyed lessons are passed by), Phases of the Moon
    const QString id = x.waitForWindow("Phases of the Moon");
    ASSERT_FALSE(id.isEmpty());
    const Placement moon{x.geometry(id).topLeft()};

    // The name labels as they stand at home, in reading order, and where each one's own target
    // comes among the targets in reading order (the arrows visit the targets in that order).
    const int homeOrder[] = {5, 3, 4, 1, 7, 2, 0, 6};
    const int targetRank[] = {1, 3, 5, 2, 7, 6, 4, 0};
    std::vector<int> placed;
    const auto tabsPastPlacedAfter = [&](int rank) { return static_cast<int>(std::ranges::count_if(placed, [&](int r) { return r > rank; })); };
    for (int label : homeOrder) {
        // Labels on targets come before those at home: Tab passes those after the last one dropped.
        x.key(times(placed.empty() ? 1 : 1 + tabsPastPlacedAfter(placed.back()), "Tab") + " Return " +
              times(targetRank[label] + 1, "Right"));
        if (placed.empty()) keep(x.screenshot(), "keyboard-moon-carrying");
        x.key("Return");
        placed.push_back(targetRank[label]);
    }
    x.key(times(2 + tabsPastPlacedAfter(placed.back()), "Tab") + " Return");  // Start Again, then Check Score
    QThread::msleep(200);
    screen = x.screenshot();
    keep(screen, "keyboard-moon-scored");
    EXPECT_GT(yellowIn(screen, moon.area({6480, 240, 5280, 585})), 200) << "8 out of 8 correct is painted";
    EXPECT_EQ(screen.pixelColor(moon.at(6000 + 1282, 7920) - QPoint(0, 2)), QColor(Qt::white)) << "the ring round Check Score";
    EXPECT_EQ(screen.pixelColor(moon.at(6000 + 1282, 7920) - QPoint(0, 1)), QColor(Qt::black));
}

}  // namespace
}  // namespace lumenary::testing
