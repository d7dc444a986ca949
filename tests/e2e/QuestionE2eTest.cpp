#include "ScreenGeometry.h"
#include "XSession.h"

#include <QThread>

#include <gtest/gtest.h>


namespace lumenary::testing {
namespace {

// Clicks the middle of a 495-twip-high label button, and lets the window repaint.
void press(const XSession& x, const QRect& window, double left, double top, double width = 2565) {
    x.click(atTwips(window, left + width / 2, top + 247));
    QThread::msleep(300);
}

// A newton meter read and answered, then a magnets question judged, each
// activity left by Exit to its menu.
TEST(QuestionE2eTest, ReadTheNewtonMeterThenJudgeTheMagnets) {
    XSession x;
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QRect menu = openTopicMenu(x, program, 0);
    x.click(atTwips(menu, 6000, 2400 + 750 * 4 + 250));  // Newton Meter
    const QString meterId = x.waitForWindow("Newton Meter");
    ASSERT_FALSE(meterId.isEmpty()) << program.standardError().toStdString();
    const QRect meter = x.geometry(meterId);
    const QRect meterAnswer = Placement{meter.topLeft()}.area({5040, 4680, 5385, 1425});
    QImage screen = x.screenshot();
    EXPECT_EQ(yellowIn(screen, meterAnswer), 0) << "the answer starts hidden";
    press(x, meter, 6480, 3720);  // Answer
    screen = x.screenshot();
    keep(screen, "newton-answer");
    EXPECT_GT(yellowIn(screen, meterAnswer), 300) << "e.g. \"7 Newtons\" is painted";
    press(x, meter, 10560, 7920, 1245);  // Exit
    ASSERT_TRUE(x.waitForNoWindow("Newton Meter"));

    x.click(atTwips(menu, 9600 + 1100, 2400 + 750 * 2 + 250));  // Menu 3
    QThread::msleep(300);
    x.click(atTwips(menu, 6000, 2400 + 750 + 250));  // Repel or Attract?
    const QString pairsId = x.waitForWindow("Repel or Attract?");
    ASSERT_FALSE(pairsId.isEmpty());
    const QRect pairs = x.geometry(pairsId);
    const QRect answer = Placement{pairs.topLeft()}.area({120, 6720, 4035, 1425});
    const QRect praise = Placement{pairs.topLeft()}.area({4680, 5880, 6105, 825});
    press(x, pairs, 7560, 4800);  // No Force is never right for two magnets
    screen = x.screenshot();
    keep(screen, "magnets-wrong");
    EXPECT_GT(yellowIn(screen, answer), 200);
    EXPECT_EQ(yellowIn(screen, praise), 0);
    press(x, pairs, 1560, 4800);  // Attract
    const bool attractRight = yellowIn(x.screenshot(), praise) > 200;
    press(x, pairs, 4560, 4800);  // Repel
    EXPECT_NE(yellowIn(x.screenshot(), praise) > 200, attractRight) << "exactly one of them is praised";

    press(x, pairs, 10560, 7920, 1245);  // Exit
    EXPECT_TRUE(x.waitForNoWindow("Repel or Attract?"));
    EXPECT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu3 is uncovered";
}

}  // namespace
}  // namespace lumenary::testing
