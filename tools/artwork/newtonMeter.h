#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// A classroom spring balance with a 0 to 10 N scale reading downwards, its pointer on the
// mark for `newtons` (0 to 10) and a steel ball bearing hanging from its hook, on a pale card.
QImage drawNewtonMeter(QSize size, int newtons);

}  // namespace lumenary::artwork
