#include "ScreenGeometry.h"
#include "ScreenTest.h"
#include "XSession.h"

#include <QElapsedTimer>
#include <QThread>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace lumenary::testing {
namespace {

class QuestionE2eTest : public ::testing::Test {
protected:
    XSession x;

    static bool isYellow(const QColor& c) { return c.red() > 200 && c.green() > 200 && c.blue() < 90; }
    static bool isChoiceBlue(const QColor& c) { return c.red() < 40 && c.green() < 40 && c.blue() > 200; }
    // Yellow pixels in a twips rectangle of the screenshot: painted text.
    static int yellowIn(const QImage& screen, const QRect& window, QRectF twips) {
        int count = 0;
        const QPoint from = atTwips(window, twips.left(), twips.top());
        const QPoint to = atTwips(window, twips.right(), twips.bottom());
        for (int py = from.y(); py < to.y(); ++py)
            for (int px = from.x(); px < to.x(); ++px) count += isYellow(screen.pixelColor(px, py));
        return count;
    }
    // Screenshots until the condition holds, as a person waits for the screen to change.
    QImage waitForScreen(const std::function<bool(const QImage&)>& condition) {
        QElapsedTimer timer;
        timer.start();
        QImage screen = x.screenshot();
        while (!condition(screen) && timer.elapsed() < 10000) {
            QThread::msleep(150);
            screen = x.screenshot();
        }
        return screen;
    }
    void clickButton(const QRect& window, double left, double top, double width = 2565) {
        x.click(atTwips(window, left + width / 2, top + 247));
        QThread::msleep(150);
    }
    // Title screen, main menu, then topic menu `menuEntry`; the topic menu's window.
    QRect openTopicMenu(ProgramProcess& program, int menuEntry) {
        const QString title = x.waitForWindow(" ");
        EXPECT_FALSE(title.isEmpty()) << program.standardError().toStdString();
        x.click(atTwips(x.geometry(title), 1320 + 667, 6000 - 90 + 187));
        const QRect mainMenu = x.geometry(x.waitForWindow("Corbelwick"));
        x.click(atTwips(mainMenu, 9600 + 1100, 2400 + 750 * menuEntry + 250));
        QThread::msleep(300);
        return x.geometry(x.waitForWindow("Corbelwick"));
    }
};

const QRectF meterAnswer(5040, 4680, 5385, 1425);
const QRectF pairsAnswer(120, 6720, 4035, 1425);
const QRectF pairsPraise(4680, 5880, 6105, 825);

TEST_F(QuestionE2eTest, ReadTheNewtonMeterRevealTheAnswerAndDrawAnother) {
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QRect menu = openTopicMenu(program, 0);
    x.click(atTwips(menu, 6000, 2400 + 750 * 4 + 250));  // "Newton Meter"
    const QString id = x.waitForWindow("Newton Meter");
    ASSERT_FALSE(id.isEmpty()) << program.standardError().toStdString();
    const QRect meter = x.geometry(id);
    QImage screen = x.screenshot();
    keep(screen, "newton-question");
    EXPECT_EQ(yellowIn(screen, meter, meterAnswer), 0) << "the answer starts hidden";
    EXPECT_GT(yellowIn(screen, meter, QRectF(4800, 600, 5745, 2745)), 500) << "the question is painted";
    const QColor meterPixel = screen.pixelColor(atTwips(meter, 1200 + 1050, 120 + 3600));
    EXPECT_NE(meterPixel, QColor(39, 63, 137)) << "the meter picture is painted";

    clickButton(meter, 6480, 3720);  // Answer
    screen = waitForScreen([&](const QImage& s) { return yellowIn(s, meter, meterAnswer) > 300; });
    keep(screen, "newton-answer");
    EXPECT_GT(yellowIn(screen, meter, meterAnswer), 300) << "e.g. \"7 Newtons\" is painted";

    clickButton(meter, 6360, 7920);  // New Question
    screen = waitForScreen([&](const QImage& s) { return yellowIn(s, meter, meterAnswer) == 0; });
    EXPECT_EQ(yellowIn(screen, meter, meterAnswer), 0);

    clickButton(meter, 10560, 7920, 1245);  // Exit
    EXPECT_TRUE(x.waitForNoWindow("Newton Meter"));
    EXPECT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu1 is uncovered";
}

TEST_F(QuestionE2eTest, JudgeMagnetChoicesSwitchSectionsAndExitToTheMenu) {
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QRect menu = openTopicMenu(program, 2);
    x.click(atTwips(menu, 6000, 2400 + 750 + 250));  // "Repel or Attract?"
    const QString id = x.waitForWindow("Repel or Attract?");
    ASSERT_FALSE(id.isEmpty()) << program.standardError().toStdString();
    const QRect pairs = x.geometry(id);
    QImage screen = x.screenshot();
    keep(screen, "magnets-question");
    EXPECT_EQ(yellowIn(screen, pairs, pairsAnswer) + yellowIn(screen, pairs, pairsPraise), 0);

    // "No Force" is never right for two magnets: the answer sentence appears, no praise.
    clickButton(pairs, 7560, 4800);
    screen = waitForScreen([&](const QImage& s) { return yellowIn(s, pairs, pairsAnswer) > 200; });
    keep(screen, "magnets-wrong");
    EXPECT_GT(yellowIn(screen, pairs, pairsAnswer), 200);
    EXPECT_EQ(yellowIn(screen, pairs, pairsPraise), 0);

    // One of Attract and Repel is right: trying both shows the praise at one of them.
    clickButton(pairs, 1560, 4800);
    const int praiseAfterAttract = yellowIn(waitForScreen([](const QImage&) { return true; }), pairs, pairsPraise);
    clickButton(pairs, 4560, 4800);
    const int praiseAfterRepel = yellowIn(waitForScreen([](const QImage&) { return true; }), pairs, pairsPraise);
    EXPECT_TRUE((praiseAfterAttract > 200) != (praiseAfterRepel > 200)) << praiseAfterAttract << " " << praiseAfterRepel;
    if (praiseAfterAttract > 200) clickButton(pairs, 1560, 4800);
    keep(x.screenshot(), "magnets-praise");

    clickButton(pairs, 7560, 7920);  // Section 2: its choices sit one row lower
    const auto section2Shown = [&](const QImage& s) { return isChoiceBlue(s.pixelColor(atTwips(pairs, 1700, 5450))); };
    screen = waitForScreen(section2Shown);
    keep(screen, "magnets-section2");
    ASSERT_TRUE(section2Shown(screen));
    EXPECT_EQ(yellowIn(screen, pairs, QRectF(120, 6480, 4275, 1785)), 0) << "a fresh question, no answer shown";
    EXPECT_GT(yellowIn(screen, pairs, QRectF(720, 0, 10185, 1305)), 300) << "the material question is painted";

    clickButton(pairs, 7560, 7920);  // Section 1
    screen = waitForScreen([&](const QImage& s) { return !section2Shown(s); });
    EXPECT_TRUE(isChoiceBlue(screen.pixelColor(atTwips(pairs, 1700, 4900)))) << "section 1 is back";
    EXPECT_EQ(yellowIn(screen, pairs, pairsAnswer) + yellowIn(screen, pairs, pairsPraise), 0);

    clickButton(pairs, 10560, 7920, 1245);  // Exit
    EXPECT_TRUE(x.waitForNoWindow("Repel or Attract?"));
    EXPECT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu3 is uncovered";
}

TEST_F(QuestionE2eTest, ABrokenMeterPictureIsReportedByNameAndTheProgramEnds) {
    ProgramFolderCopy copy;
    std::filesystem::copy_file(std::filesystem::path(LUMENARY_APP_DIR) / "lumenary", copy.path() / "lumenary",
                               std::filesystem::copy_options::overwrite_existing);
    for (const auto& picture : std::filesystem::directory_iterator(copy.path() / "newton"))
        std::ofstream(picture.path(), std::ios::trunc) << "BM cut short";
    ProgramProcess program(x, QString::fromStdString(copy.path().string()));
    const QRect menu = openTopicMenu(program, 0);
    x.click(atTwips(menu, 6000, 2400 + 750 * 4 + 250));  // "Newton Meter"
    ASSERT_FALSE(x.waitForWindow("Lumenary").isEmpty()) << "an error dialog appears";
    keep(x.screenshot(), "newton-broken-picture");
    EXPECT_TRUE(x.windowsTitled("Corbelwick").isEmpty() && x.windowsTitled("Newton Meter").isEmpty())
        << "no screen, half drawn or not, stays up behind the error";
    x.key("Return");
    const auto status = program.waitForExit();
    ASSERT_TRUE(status.has_value());
    EXPECT_EQ(*status, 1);
    EXPECT_TRUE(program.standardError().contains("newton\\newton")) << program.standardError().toStdString();
    EXPECT_TRUE(program.standardError().contains("cut short")) << program.standardError().toStdString();
}

}  // namespace
}  // namespace lumenary::testing
