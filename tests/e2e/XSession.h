#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>

#include <chrono>
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
    // Waits until a visible window has this title; its id, or empty after the timeout.
    QString waitForWindow(const QString& title, std::chrono::milliseconds timeout = std::chrono::seconds(20)) const;
    bool waitForNoWindow(const QString& title, std::chrono::milliseconds timeout = std::chrono::seconds(10)) const;
    QRect geometry(const QString& windowId) const;

    void moveTo(QPoint point) const;
    void press() const;
    void release() const;
    void click(QPoint point) const;
    // Keys typed one after another, as xdotool names them: "Tab Tab Return".
    void key(const QString& keys) const;

    QImage screenshot() const;

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
