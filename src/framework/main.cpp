// Lumenary starts by loading and showing its title screen, or the activity the command line
// names; everything after that happens in the screens' handlers, one event at a time.
#include "CommandLine.h"
#include "runtime/Runtime.h"
#include "runtime/qt/FormWindows.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/QtPlatform.h"

#include <QApplication>
#include <QStyleFactory>
#include <QThreadPool>

#include <fontconfig/fontconfig.h>

#include <thread>

int main(int argc, char* argv[]) {
    QCoreApplication::setApplicationName(QStringLiteral("Lumenary"));
    QCoreApplication::setApplicationVersion(QStringLiteral(LUMENARY_VERSION));
    // Read before any window system is reached, so that --help and a mistake work anywhere.
    QStringList arguments;
    for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
    const lumenary::CommandLine commandLine = lumenary::readCommandLine(arguments);
    if (!commandLine.options) return commandLine.exitStatus;
    const lumenary::StartOptions& options = *commandLine.options;

    // Reading the system's font configuration is the largest single piece of start-up work and
    // nothing before the first paint needs it: it runs on another core while Qt connects to the
    // display and the first screen loads its pictures.
    std::jthread fontConfiguration([] { FcInit(); });
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    lumenary::QtPlatform platform;
    lumenary::Runtime runtime(platform);
    lumenary::FormWindows windows(runtime, platform);
    windows.setFullScreen(options.fullScreen);

    runtime.dispatch(options.activity ? options.activity->open : lumenary::startOnTitleScreen);
    // The first window is made and mapped while fontconfig may still be reading; nothing is
    // painted before the event loop runs, and by then the program's fonts are registered.
    windows.sync();
    fontConfiguration.join();
    lumenary::registerProgramFonts(platform.programFolder());
    if (runtime.hasEnded()) return runtime.exitStatus();
    const int status = QApplication::exec();
    // Windows of the last screens were scheduled for deletion while the event loop ran.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Qt converts large pictures on pool threads; let them finish before the process ends.
    QThreadPool::globalInstance()->waitForDone();
    return status;
}
