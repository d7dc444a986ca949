#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// The menu screen's background: calm deep blue with faint orbits, waves and stars, kept dark
// enough everywhere that bold yellow text on it reads well from the back of a classroom.
QImage drawMenuBackground(QSize size);

}  // namespace lumenary::artwork
