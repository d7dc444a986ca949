#include "XSession.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <csignal>

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

}  // namespace
}  // namespace lumenary::testing
