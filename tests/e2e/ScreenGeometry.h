#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

namespace lumenary::testing {

// The screen point of a place given in twips within a window's client area.
inline QPoint atTwips(const QRect& window, double x, double y) {
    return window.topLeft() + QPoint(static_cast<int>(x / 15), static_cast<int>(y / 15));
}

inline QColor colourAt(const QImage& screen, QPoint point) { return screen.pixelColor(point); }

// Keeps a screenshot beside the test binary, for a person to look at.
inline void keep(const QImage& screen, const QString& name) { screen.save(QString(E2E_SCREENSHOT_DIR "/") + name + ".png"); }

}  // namespace lumenary::testing
