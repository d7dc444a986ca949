// A person's lesson with the program on a real display, and the faults a lesson may meet. What
// each screen does is the model and paint tests' business; here, the real display.
#include "XSession.h"
#include "runtime/language/Translation.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cmath>
#include <csignal>

namespace lumenary::testing {
namespace {

// A 1920 x 1080 whiteboard. In its window the Moon screen is 792 x 566 pixels; full screen
// (F11), as a class sees it, it fills the display's height, centred between black margins.
const QRect display(0, 0, 1920, 1080);
const double fullScale = 1080.0 / 566;
const Placement fullScreen{{static_cast<int>(std::floor((1920 - 792 * fullScale) / 2)), 0}, fullScale};

// A lesson on the whiteboard in a Welsh-medium school (the user's LANGUAGE): OK by keyboard, then
// the Moon round full screen to 8 out of 8, and Exit back to the menu. (That the web address asks
// the desktop's opener is the model tests' to prove, and the page's tests open it.)
TEST(LessonE2eTest, InWelshTheMainMenuByKeyboardAndAMoonRoundFullScreenScoresEightOutOfEight) {
    useLanguage("cy");
    const QString moonTitle = QString::fromStdString(tr("Phases of the Moon"));
    QProcessEnvironment env;
    env.insert("LANGUAGE", "cy");
    XSession x(display.size());
    ProgramProcess program(x, LUMENARY_APP_DIR, env);
    const QString titleId = x.waitForWindow(" ");
    ASSERT_FALSE(titleId.isEmpty()) << program.standardError().toStdString();
    ASSERT_TRUE(x.waitForFocus(titleId));
    x.key("Return");  // OK has the focus
    const QString mainId = x.waitForWindow("Corbelwick");
    ASSERT_FALSE(mainId.isEmpty()) << "OK by keyboard opens the main menu";
    const QRect main = x.geometry(mainId);
    x.click(atTwips(main, 9600 + 1100, 2400 + 750 + 250));  // Menu 2
    const QRect menu = x.geometry(x.waitForWindow("Corbelwick", mainId));
    x.click(atTwips(menu, 6000, 2400 + 750 * 2 + 250));  // Phases of the Moon
    const QString id = x.waitForWindow(moonTitle);
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
    keep(screen, "moon-scored-full-screen-in-welsh");
    EXPECT_GT(yellowIn(screen, scoreLine), 1000) << tr("%d out of %d correct") << " is painted";
    useLanguage("en");

    x.click(moon.at(10560 + 620, 7920 + 250));  // Exit
    EXPECT_TRUE(x.waitForNoWindow(moonTitle));
    ASSERT_EQ(x.windowsTitled("Corbelwick").size(), 1) << "menu2 is uncovered";
    const QString menu2 = x.windowsTitled("Corbelwick").first();
    EXPECT_EQ(x.geometry(menu2), display) << "full screen holds for the menu";
}

using namespace std::chrono_literals;

// How many running processes are this program file: none once it has ended, threads and all.
int processesOf(const QString& program) {
    int count = 0;
    const QString target = QFileInfo(program).canonicalFilePath();
    for (const QString& pid : QDir("/proc").entryList(QDir::Dirs))
        count += QFileInfo("/proc/" + pid + "/exe").symLinkTarget() == target;
    return count;
}
const QString program = QDir(LUMENARY_APP_DIR).filePath("lumenary");

// The options as main() passes them on: the activity named opens first, filling the display. A
// session's end then ends the program at once, threads and all.
TEST(CommandLineStartThenSignal, TheActivityNamedFillsTheDisplayAndATerminationSignalEndsItWithSuccess) {
    XSession x(QSize(1280, 800));
    ProgramProcess lumenary(x, LUMENARY_APP_DIR, {}, {"--fullscreen", "--activity", "weatherlab"});
    const QString id = x.waitForWindow("Ordering the Planets");
    ASSERT_FALSE(id.isEmpty()) << lumenary.standardError().toStdString();
    EXPECT_TRUE(x.waitUntil([&] { return x.geometry(id) == QRect(0, 0, 1280, 800); }));
    EXPECT_TRUE(x.windowsTitled(" ").isEmpty()) << "no title screen first";
    lumenary.sendSignal(SIGTERM);
    EXPECT_EQ(lumenary.waitForExit(1s), 0) << lumenary.standardError().toStdString();
    EXPECT_EQ(processesOf(program), 0);
}

}  // namespace
}  // namespace lumenary::testing
