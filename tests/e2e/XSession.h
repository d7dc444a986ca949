#pragma once

#include "Ink.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

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
    // opened in place of another with the same title); its id, or empty after the timeout. A slow
    // start (a busy machine, the sanitizers) is no fault: the first window is allowed a minute.
    QString waitForWindow(const QString& title, const QString& replaced = {}, std::chrono::milliseconds timeout = std::chrono::minutes(1)) const;
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
    // All the program has written to its error output so far, while it runs too.
    QString standardError();

private:
    // A file rather than a pipe: a pipe is read only while Qt waits on the process, so what a
    // program said before a test gave up on it was lost, and a full pipe would stop the program.
    QTemporaryFile errors_;
    QProcess process_;
};

// Where a screen lies on the display: its client area's corner and its scale (1 in a window,
// larger full screen), so that places given in twips can be found on a screenshot.
struct Placement {
    QPoint origin;
    double scale = 1.0;

    QPoint at(double x, double y) const {
        return origin + QPoint(static_cast<int>(x / 15 * scale), static_cast<int>(y / 15 * scale));
    }
    QRect area(QRectF twips) const { return QRect(at(twips.left(), twips.top()), at(twips.right(), twips.bottom())); }
};

// The screen point of a place given in twips within a window's client area.
inline QPoint atTwips(const QRect& window, double x, double y) { return Placement{window.topLeft()}.at(x, y); }

// How many yellow pixels, the colour of every text on the activity screens, an area holds.
inline int yellowIn(const QImage& screen, const QRect& area) { return inkIn(screen, area, Qt::yellow).count; }

// Keeps a screenshot beside the test binary, for a person to look at.
inline void keep(const QImage& screen, const QString& name) { screen.save(QString(E2E_SCREENSHOT_DIR "/") + name + ".png"); }

}  // namespace lumenary::testing
