#pragma once

#include "XSession.h"

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace lumenary::testing {

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
inline int yellowIn(const QImage& screen, const QRect& area) {
    int count = 0;
    for (int py = area.top(); py < area.bottom(); ++py)
        for (int px = area.left(); px < area.right(); ++px) {
            const QColor c = screen.pixelColor(px, py);
            count += c.red() > 200 && c.green() > 200 && c.blue() < 90;
        }
    return count;
}

inline bool isBlack(const QColor& c) { return c.red() < 20 && c.green() < 20 && c.blue() < 20; }

// Keeps a screenshot beside the test binary, for a person to look at.
inline void keep(const QImage& screen, const QString& name) { screen.save(QString(E2E_SCREENSHOT_DIR "/") + name + ".png"); }

// Title screen OK, then entry `entry` of the main menu: the topic menu's window.
inline QRect openTopicMenu(const XSession& x, ProgramProcess& program, int entry) {
    const QString title = x.waitForWindow(" ");
    if (title.isEmpty()) throw std::runtime_error(program.standardError().toStdString());
    x.click(atTwips(x.geometry(title), 1320 + 667, 6000 - 90 + 187));
    const QString main = x.waitForWindow("Corbelwick");
    x.click(atTwips(x.geometry(main), 9600 + 1100, 2400 + 750 * entry + 250));
    return x.geometry(x.waitForWindow("Corbelwick", main));  // the topic menu, in a window of its own
}

}  // namespace lumenary::testing
