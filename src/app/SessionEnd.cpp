#include "app/SessionEnd.h"

#include <QCoreApplication>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lumenary {

#ifdef Q_OS_UNIX
namespace {
// A signal handler may do almost nothing: it writes a byte to this pipe, and the event loop,
// watching the other end, does the rest.
int signalPipe[2] = {-1, -1};

void noteSignal(int) {
    const int saved = errno;
    [[maybe_unused]] const auto written = ::write(signalPipe[1], "x", 1);
    errno = saved;
}
}  // namespace

void endOnTerminationSignals(QCoreApplication& app) {
    if (::pipe(signalPipe) != 0) return;
    for (const int end : signalPipe) {
        ::fcntl(end, F_SETFD, FD_CLOEXEC);
        ::fcntl(end, F_SETFL, O_NONBLOCK);
    }
    auto* notifier = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, [] { QCoreApplication::exit(0); });
    struct sigaction action {};
    action.sa_handler = noteSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}
#else
void endOnTerminationSignals(QCoreApplication&) {}
#endif

namespace {
QtMessageHandler qtHandler = nullptr;

void handleMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    // Qt's words for it, from its xcb connection and from its Xlib error handler alike.
    if (message.startsWith(QLatin1String("The X11 connection broke"))) {
        std::fputs("lumenary: the connection to the display was lost; the program ends.\n", stderr);
        std::fflush(stderr);
        std::_Exit(1);
    }
    qtHandler(type, context, message);
}
}  // namespace

void endWhenTheDisplayIsLost() { qtHandler = qInstallMessageHandler(handleMessage); }

}  // namespace lumenary
