// Every test binary runs inside a Qt application on the offscreen platform, so the real
// picture decoders, fonts and windows are there without a display.
#include <QApplication>
#include <QThreadPool>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // A test may give the offscreen platform a screen of its own ("offscreen:configfile=...").
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Qt converts large pictures on pool threads; end them before the leak check runs at exit.
    QThreadPool::globalInstance()->waitForDone();
    return result;
}
