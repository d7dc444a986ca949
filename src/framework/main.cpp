// Lumenary starts by loading and showing its title screen; everything after that happens in
// the screens' handlers, one event at a time.
#include "Titlefrm.h"
#include "runtime/Runtime.h"
#include "runtime/qt/FormWindows.h"
#include "runtime/qt/QtFonts.h"
#include "runtime/qt/QtPlatform.h"

#include <QApplication>
#include <QStyleFactory>
#include <QThreadPool>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Lumenary"));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));

    lumenary::QtPlatform platform;
    lumenary::registerProgramFonts(platform.programFolder());
    lumenary::Runtime runtime(platform);
    lumenary::FormWindows windows(runtime, platform);

    runtime.dispatch([] { lumenary::form<lumenary::Titlefrm>().Show(); });
    windows.sync();
    if (runtime.hasEnded()) return runtime.exitStatus();
    const int status = QApplication::exec();
    // Windows of the last screens were scheduled for deletion while the event loop ran.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    // Qt converts large pictures on pool threads; let them finish before the process ends.
    QThreadPool::globalInstance()->waitForDone();
    return status;
}
