// Every test binary runs inside a Qt application on the offscreen platform, so the real
// picture decoders, fonts and windows are there without a display.
#include <QApplication>
#include <QThreadPool>
#include <QWidget>
#include <QtGlobal>

#include <gtest/gtest.h>

#include <iostream>

namespace {

QtMessageHandler qtHandler = nullptr;

// Qt's painter says so when it is misused (a restore without its save, painting on no device) and
// carries on, often with the same pixels: in a test that is a failure.
void failOnPainterMisuse(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QPainter::"))) ADD_FAILURE() << message.toStdString();
    qtHandler(type, context, message);
}

}  // namespace

int main(int argc, char** argv) {
    // A test may give the offscreen platform a screen of its own ("offscreen:configfile=...").
    if (!qgetenv("QT_QPA_PLATFORM").startsWith("offscreen")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qtHandler = qInstallMessageHandler(failOnPainterMisuse);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    // Qt converts large pictures on pool threads; end them before the leak check runs at exit.
    QThreadPool::globalInstance()->waitForDone();
    // Every window goes with what made it: one still here would be left on a pupil's screen.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    if (const QWidgetList left = QApplication::topLevelWidgets(); !left.isEmpty()) {
        std::cerr << left.size() << " window(s) left behind, the first titled \"" << left.front()->windowTitle().toStdString() << "\"\n";
        return 1;
    }
    return result;
}
