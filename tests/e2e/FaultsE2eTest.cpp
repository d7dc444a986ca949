#include "ScreenGeometry.h"
#include "ScreenTest.h"
#include "XSession.h"

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <cmath>

namespace lumenary::testing {
namespace {

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

TEST(FaultsE2eTest, WhenTheDisplayGoesAwayTheProgramEndsWithinASecondSayingSoInOneLine) {
    auto x = std::make_unique<XSession>();
    QTemporaryDir runtimeDir;  // private, as a session's is: Qt has nothing to say at start-up
    QProcessEnvironment env;
    env.insert("XDG_RUNTIME_DIR", runtimeDir.path());
    env.insert("LC_ALL", "C.UTF-8");  // nor about the locale (Qt 6.8 warns of a non-UTF-8 one)
    ProgramProcess lumenary(*x, LUMENARY_APP_DIR, env);
    // A slow start (a busy machine, the sanitizers) is no fault here: allow it a minute.
    ASSERT_FALSE(x->waitForWindow(" ", {}, 60s).isEmpty()) << lumenary.standardError().toStdString();
    x.reset();  // the X server ends, as when a projector's session is torn down
    const std::optional<int> status = lumenary.waitForExit(1s);
    ASSERT_TRUE(status) << "still running a second after the display went";
    EXPECT_GT(*status, 0) << "an error status, not a crash (-1) or success";
    const QString said = lumenary.standardError();
    EXPECT_EQ(said.count('\n'), 1) << said.toStdString();
    EXPECT_TRUE(said.contains("display")) << said.toStdString();
    EXPECT_EQ(processesOf(program), 0);
}

class TerminationSignalTest : public ::testing::TestWithParam<int> {};

TEST_P(TerminationSignalTest, EndsTheProgramAtOnceWithSuccess) {
    XSession x;
    ProgramProcess lumenary(x, LUMENARY_APP_DIR);
    ASSERT_FALSE(x.waitForWindow(" ").isEmpty());
    x.key("Return");  // into the lesson: the main menu
    ASSERT_FALSE(x.waitForWindow("Corbelwick").isEmpty());
    lumenary.sendSignal(GetParam());
    EXPECT_EQ(lumenary.waitForExit(1s), 0) << lumenary.standardError().toStdString();
    EXPECT_EQ(processesOf(program), 0);
}
INSTANTIATE_TEST_SUITE_P(Signals, TerminationSignalTest, ::testing::Values(SIGTERM, SIGINT),
                         [](const auto& info) { return info.param == SIGTERM ? "SIGTERM" : "SIGINT"; });

// Full screen the main menu paints its logo from the sharper copy beside it (logo2@2x.jpg). A
// logo replaced while the program runs is shown as it is now, not from those older copies.
TEST(FaultsE2eTest, APictureReplacedDuringTheLessonIsShownNewNotFromItsStaleSharperCopies) {
    const ProgramFolderCopy folder;
    const QString logo = QString::fromStdString((folder.path() / "Images" / "logo2.jpg").string());
    const QSize size = QImageReader(logo).size();
    XSession x({1920, 1080});
    ProgramProcess lumenary(x, QString::fromStdString(folder.path().string()), {}, {"--fullscreen"});
    ASSERT_FALSE(x.waitForWindow(" ").isEmpty()) << lumenary.standardError().toStdString();
    QImage replacement(size, QImage::Format_RGB32);
    replacement.fill(QColor(230, 0, 230));
    ASSERT_TRUE(QImageWriter(logo, "jpeg").write(replacement));
    x.key("Return");
    ASSERT_FALSE(x.waitForWindow("Corbelwick").isEmpty());
    const double scale = 1080.0 / 566;
    const Placement menu{{static_cast<int>(std::floor((1920 - 792 * scale) / 2)), 0}, scale};
    const QPoint logoPoints[] = {menu.at(180 + 200, 5700 + 200), menu.at(180 + 750, 5700 + 1042), menu.at(180 + 1300, 5700 + 1885)};
    const auto magenta = [](QColor c) { return c.red() > 200 && c.green() < 30 && c.blue() > 200; };
    // The window appears before its first paint lands: wait for the logo, then judge it.
    const QImage screen = x.waitForScreen([&](const QImage& shot) {
        return std::all_of(std::begin(logoPoints), std::end(logoPoints), [&](QPoint p) { return magenta(shot.pixelColor(p)); });
    });
    keep(screen, "replaced-logo");
    for (const QPoint p : logoPoints)
        EXPECT_TRUE(magenta(screen.pixelColor(p))) << screen.pixelColor(p).name().toStdString() << " at " << p.x() << ", " << p.y();
}

}  // namespace
}  // namespace lumenary::testing
