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
    x.waitForScreen([&](const QImage& s) { return yellowIn(s, meterQuestion) > 300; });
    press(x, meter, 6480, 3720);  // Answer
    QImage screen = x.waitForScreen([&](const QImage& s) { return yellowIn(s, meterAnswer) > 300; });
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
    // No Force, never right for two magnets, is judged. Over the bare background the label
    // buttons clear; resting on New Question lights it, and once it shows lit, the click before
    // it has been painted too.
    const QPoint newQuestionBox = atTwips(pairs, 4560 + 100, 7920 + 100);
    x.moveTo(atTwips(pairs, 11500, 5000));
    x.waitForScreen([&](const QImage& s) { return !isBlack(s.pixelColor(newQuestionBox)); });
    press(x, pairs, 7560, 4800);
    x.moveTo(atTwips(pairs, 4560 + 1280, 7920 + 247));
    screen = x.waitForScreen([&](const QImage& s) { return isBlack(s.pixelColor(newQuestionBox)); });
    keep(screen, "magnets-wrong");
    EXPECT_GT(yellowIn(screen, answer), 200) << "the answer is revealed";

    press(x, pairs, 10560, 7920, 1245);  // Exit
    EXPECT_TRUE(x.waitForNoWindow("Repel or Attract?"));
    EXPECT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu3 is uncovered";
}

}  // namespace
}  // namespace lumenary::testing
