#include "XSession.h"

#include <QDir>
#include <QRegularExpression>
#include <QThread>

#include <map>
#include <signal.h>
#include <stdexcept>

namespace lumenary::testing {

bool XSession::waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    const auto deadline = std::chrono::steady_clock::now() + timeout;
    while (std::chrono::steady_clock::now() < deadline) {
        if (condition()) return true;
        QThread::msleep(50);
    }
    return condition();
}

XSession::XSession(QSize screen) : server_(std::make_unique<QProcess>()) {
    server_->setStandardErrorFile(QProcess::nullDevice());  // its notes on the displays it passed over
    const QString size = QStringLiteral("%1x%2x24").arg(screen.width()).arg(screen.height());
    // Xvfb takes the first display no server holds, by lock file or socket (a chroot shares the
    // abstract ones with its host), and writes its number once it listens there. -noreset: by
    // default the server resets whenever its last client leaves, and a reset drops every
    // connection still being set up, so an xdotool call ending just as the program connects left
    // the program with "could not connect to display" and the test waiting for its window.
    server_->start("Xvfb", {"-displayfd", "1", "-screen", "0", size, "-nolisten", "tcp", "-noreset"});
    for (int i = 0; i < 100 && !server_->canReadLine(); ++i) server_->waitForReadyRead(100);
    if (!server_->canReadLine()) throw std::runtime_error("Xvfb did not open a display");
    display_ = ":" + QString::fromLatin1(server_->readLine()).trimmed();
}

XSession::~XSession() {
    server_->terminate();
    if (!server_->waitForFinished(5000)) server_->kill();
    server_->waitForFinished(2000);
}

QProcessEnvironment XSession::environment() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("DISPLAY", display_);
    env.remove("QT_QPA_PLATFORM");
    env.insert("XDG_RUNTIME_DIR", QDir::tempPath());
    return env;
}

QByteArray XSession::run(const QString& tool, const QStringList& arguments) const {
    QProcess process;
    process.setProcessEnvironment(environment());
    process.start(tool, arguments);
    if (!process.waitForFinished(15000)) throw std::runtime_error((tool + " hung").toStdString());
    return process.readAllStandardOutput();
}

QStringList XSession::windowsTitled(const QString& title) const {
    // xdotool matches POSIX extended expressions, where an escaped ordinary letter is no letter
    // (GNU reads \' as the end of the text): only the expressions' own characters are escaped.
    QString pattern = "^";
    for (const QChar c : title) pattern += (QStringLiteral(".[](){}*+?|^$\\").contains(c) ? "\\" : "") + QString(c);
    pattern += "$";
    return QString(run("xdotool", {"search", "--onlyvisible", "--name", pattern})).split('\n', Qt::SkipEmptyParts);
}

QString XSession::waitForWindow(const QString& title, const QString& replaced, std::chrono::milliseconds timeout) const {
    QString found;
    return waitUntil([&] { return !(found = windowsTitled(title).value(0)).isEmpty() && found != replaced; }, timeout) ? found : QString();
}

bool XSession::waitForNoWindow(const QString& title, std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return windowsTitled(title).isEmpty(); }, timeout);
}

bool XSession::waitForFocus(const QString& windowId, std::chrono::milliseconds timeout) const {
    return waitUntil([&] { return QString(run("xdotool", {"getwindowfocus"})).trimmed() == windowId; }, timeout);
}

QRect XSession::geometry(const QString& windowId) const {
    std::map<QString, int> shell;  // X=..., Y=..., WIDTH=..., HEIGHT=...
    for (const QString& line : QString(run("xdotool", {"getwindowgeometry", "--shell", windowId})).split('\n'))
        shell[line.section('=', 0, 0)] = line.section('=', 1).toInt();
    return QRect(shell["X"], shell["Y"], shell["WIDTH"], shell["HEIGHT"]);
}

// --sync: until the X server has moved the pointer.
void XSession::moveTo(QPoint point) const { run("xdotool", {"mousemove", "--sync", QString::number(point.x()), QString::number(point.y())}); }
void XSession::press() const { run("xdotool", {"mousedown", "1"}); }
void XSession::release() const { run("xdotool", {"mouseup", "1"}); }
void XSession::key(const QString& keys) const { run("xdotool", QStringList{"key"} + keys.split(' ', Qt::SkipEmptyParts)); }
void XSession::click(QPoint point) const {
    moveTo(point);
    run("xdotool", {"click", "1"});
}

QImage XSession::screenshot() const {
    return QImage::fromData(run("import", {"-window", "root", "png:-"}), "PNG").convertToFormat(QImage::Format_RGB32);
}

QImage XSession::waitForScreen(const std::function<bool(const QImage&)>& shows, std::chrono::milliseconds timeout) const {
    QImage screen;
    waitUntil([&] { return shows(screen = screenshot()); }, timeout);
    return screen;
}

ProgramProcess::ProgramProcess(const XSession& session, const QString& programFolder, const QProcessEnvironment& extra,
                               const QStringList& arguments) {
    QProcessEnvironment env = session.environment();
    for (const QString& key : extra.keys()) env.insert(key, extra.value(key));
    process_.setProcessEnvironment(env);
    if (!errors_.open()) throw std::runtime_error("no file for the program's error output");
    process_.setStandardErrorFile(errors_.fileName());
    process_.start(QDir(programFolder).filePath("lumenary"), arguments);
    if (!process_.waitForStarted(10000)) throw std::runtime_error("the program did not start");
}

ProgramProcess::~ProgramProcess() {
    process_.kill();  // nothing, when it has ended
    process_.waitForFinished(5000);
}

void ProgramProcess::sendSignal(int signal) const { ::kill(static_cast<pid_t>(process_.processId()), signal); }

std::optional<int> ProgramProcess::waitForExit(std::chrono::milliseconds timeout) {
    if (!process_.waitForFinished(static_cast<int>(timeout.count()))) return std::nullopt;
    if (process_.exitStatus() != QProcess::NormalExit) return -1;
    return process_.exitCode();
}

QString ProgramProcess::standardError() {
    errors_.seek(0);
    return QString::fromUtf8(errors_.readAll());
}

}  // namespace lumenary::testing
