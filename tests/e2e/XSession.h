#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>

namespace lumenary::testing {

// A private X server (Xvfb) on a free display, started for one test and stopped after it,
// with the tools a person's hands and eyes become: xdotool for the pointer and keys,
// ImageMagick's import for screenshots.
class XSession {
public:
    // An ordinary display by default; a projector's or whiteboard's when asked.
    explicit XSession(QSize screen = {1024, 768});
    ~XSession();
    XSession(const XSession&) = delete;
    XSession& operator=(const XSession&) = delete;

    // The environment a program on this display gets.
    QProcessEnvironment environment() const;

    // The ids of visible windows whose title is exactly `title`.
    QStringList windowsTitled(const QString& title) const;
    // Waits until a visible window has this title, other than the window `replaced` (a screen
    // opened in place of another with the same title); its id, or empty after the timeout.
    QString waitForWindow(const QString& title, const QString& replaced = {}, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    bool waitForNoWindow(const QString& title, std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    // Waits until the keyboard goes to this window.
    bool waitForFocus(const QString& windowId, std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    QRect geometry(const QString& windowId) const;

    // The pointer and keys, as a person's hand uses them. Each returns once the X server has
    // taken the input; the program takes it in its own time, so a test then waits for what it
    // expects to see (a window, a pixel) before it looks.
    void moveTo(QPoint point) const;
    void press() const;
    void release() const;
    void click(QPoint point) const;
    // Keys typed one after another, as xdotool names them: "Tab Tab Return".
    void key(const QString& keys) const;

    QImage screenshot() const;
    // Screenshots until one shows what `shows` looks for, or the timeout; the last one taken.
    QImage waitForScreen(const std::function<bool(const QImage&)>& shows, std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    // Asks again every 50 ms until the condition holds or the timeout; whether it held.
    static bool waitUntil(const std::function<bool()>& condition, std::chrono::milliseconds timeout = std::chrono::seconds(10));

private:
    // Runs an X tool to completion; what it printed.
    QByteArray run(const QString& tool, const QStringList& arguments) const;

    QString display_;
    std::unique_ptr<QProcess> server_;
};

// The built program running on an X session.
class ProgramProcess {
public:
    ProgramProcess(const XSession& session, const QString& programFolder, const QProcessEnvironment& extra = {},
                   const QStringList& arguments = {});
    ~ProgramProcess();

    void sendSignal(int signal) const;

    // Waits for the program to end by itself; its exit status, or nothing after the timeout.
    std::optional<int> waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));
    QString standardError();

private:
    QProcess process_;
    QString errors_;
};

}  // namespace lumenary::testing
