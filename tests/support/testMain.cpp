// Every test binary runs inside a Qt application on the offscreen platform, so the real
// picture decoders and fonts are there without a display.
#include <QGuiApplication>
#include <QThreadPool>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Qt converts large pictures on pool threads; end them before the leak check runs at exit.
    QThreadPool::globalInstance()->waitForDone();
    return result;
}
