// Lumenary starts by loading and showing its title screen, or the activity the command line
// names; everything after that happens in the screens' handlers, one event at a time.
#include "app/CommandLine.h"
#include "app/SessionEnd.h"
#include "menus/StartUp.h"
#include "qt/painting/QtFonts.h"
#include "qt/window/FormWindows.h"
#include "qt/window/QtPlatform.h"
#include "runtime/Runtime.h"

#include <QApplication>
#include <QStyleFactory>
#include <QThreadPool>

#include <cstdio>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Lumenary"));
    // Read before any window system is reached, so that --help and a mistake work anywhere.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const lumenary::CommandLine commandLine = lumenary::readCommandLine(arguments);
    std::fputs(commandLine.warning.c_str(), stderr);
    if (!commandLine.options) {
        std::fputs(commandLine.said.c_str(), commandLine.exitStatus == 0 ? stdout : stderr);
        return commandLine.exitStatus;
    }
    const lumenary::StartOptions& options = *commandLine.options;

    lumenary::endWhenTheDisplayIsLost();
    QApplication app(argc, argv);
    lumenary::endOnTerminationSignals(app);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    lumenary::QtPlatform platform;
    lumenary::registerProgramFonts(platform.programFolder());
    lumenary::Runtime runtime(platform);
    lumenary::FormWindows windows(runtime, platform);
    windows.setFullScreen(options.fullScreen);

    runtime.dispatch([&] { options.activity ? lumenary::startInActivity(*options.activity) : lumenary::startOnTitleScreen(); });
    windows.sync();
    if (runtime.hasEnded()) return runtime.exitStatus();
    const int status = QApplication::exec();
    // Windows of the last screens were scheduled for deletion while the event loop ran.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Qt converts large pictures on pool threads; let them finish before the process ends.
    QThreadPool::globalInstance()->waitForDone();
    return status;
}
