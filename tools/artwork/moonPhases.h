#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// The Moon at one phase (see moonPhaseGeometry.h), its disc about 100 px across, centred on
// black.
QImage drawMoonPhase(QSize size, int phaseIndex);

}  // namespace lumenary::artwork
