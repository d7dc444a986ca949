#include "ScreenGeometry.h"
#include "XSession.h"

#include <gtest/gtest.h>

namespace lumenary::testing {
namespace {

// Clicks the middle of a 495-twip-high label button.
void press(const XSession& x, const QRect& window, double left, double top, double width = 2565) {
    x.click(atTwips(window, left + width / 2, top + 247));
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
    const QRect meterQuestion = Placement{meter.topLeft()}.area({4800, 600, 5745, 2745});
    QImage screen = x.waitForScreen([&](const QImage& s) { return yellowIn(s, meterQuestion) > 300; });
    EXPECT_EQ(yellowIn(screen, meterAnswer), 0) << "the answer starts hidden";
    press(x, meter, 6480, 3720);  // Answer
    screen = x.waitForScreen([&](const QImage& s) { return yellowIn(s, meterAnswer) > 300; });
    keep(screen, "newton-answer");
    EXPECT_GT(yellowIn(screen, meterAnswer), 300) << "e.g. \"7 Newtons\" is painted";
    press(x, meter, 10560, 7920, 1245);  // Exit
    ASSERT_TRUE(x.waitForNoWindow("Newton Meter"));

    const QString menu1 = x.windowsTitled("Corbelwick").value(0);
    x.click(atTwips(menu, 9600 + 1100, 2400 + 750 * 2 + 250));  // Menu 3
    ASSERT_FALSE(x.waitForWindow("Corbelwick", menu1).isEmpty());
    x.click(atTwips(menu, 6000, 2400 + 750 + 250));  // Repel or Attract?
    const QString pairsId = x.waitForWindow("Repel or Attract?");
    ASSERT_FALSE(pairsId.isEmpty());
    const QRect pairs = x.geometry(pairsId);
    const QRect answer = Placement{pairs.topLeft()}.area({120, 6720, 4035, 1425});
    const QRect praise = Placement{pairs.topLeft()}.area({4680, 5880, 6105, 825});
    // Judges a choice; the screen once the judgement is painted. Over the bare background the
    // label buttons clear; resting on New Question lights it, and once it shows lit, the click
    // before it has been painted too.
    const QPoint newQuestionBox = atTwips(pairs, 4560 + 100, 7920 + 100);
    const auto choose = [&](double left) {
        x.moveTo(atTwips(pairs, 11500, 5000));
        x.waitForScreen([&](const QImage& s) { return !isBlack(s.pixelColor(newQuestionBox)); });
        press(x, pairs, left, 4800);
        x.moveTo(atTwips(pairs, 4560 + 1280, 7920 + 247));
        return x.waitForScreen([&](const QImage& s) { return isBlack(s.pixelColor(newQuestionBox)); });
    };
    screen = choose(7560);  // No Force is never right for two magnets
    keep(screen, "magnets-wrong");
    EXPECT_GT(yellowIn(screen, answer), 200);
    EXPECT_EQ(yellowIn(screen, praise), 0);
    const bool attractRight = yellowIn(choose(1560), praise) > 200;
    EXPECT_NE(yellowIn(choose(4560), praise) > 200, attractRight) << "exactly one of them is praised";

    press(x, pairs, 10560, 7920, 1245);  // Exit
    EXPECT_TRUE(x.waitForNoWindow("Repel or Attract?"));
    EXPECT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu3 is uncovered";
}

}  // namespace
}  // namespace lumenary::testing
