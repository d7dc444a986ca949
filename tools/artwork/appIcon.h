#pragma once

#include <QPainter>
#include <QString>
#include <QStringList>

namespace lumenary::artwork {

// The program's identity on the desktop, shared by its launcher entry, metadata and icon.
inline const QString applicationId = QStringLiteral("example.corbelwick.Lumenary");

// The application icon filling a square of `side` units: a night-blue tile with the Moon and
// a bar magnet, the program's two topics a pupil meets first, readable down to 48 pixels.
void paintApplicationIcon(QPainter& painter, double side);

// Writes the icon into an icon theme folder: hicolor/scalable/apps/<id>.svg and PNGs at
// 48, 64, 128 and 256 pixels. Returns one message per failure.
QStringList writeApplicationIcons(const QString& themeFolder);

}  // namespace lumenary::artwork
