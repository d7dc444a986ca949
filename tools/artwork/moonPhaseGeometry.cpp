#include "moonPhaseGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::artwork {

double moonPhaseAngle(int phaseIndex) { return phaseIndex * 2.0 * std::numbers::pi / moonPhaseCount; }

double moonSunlight(double phaseAngle, double x, double y)
{
    // The Sun sits behind the Moon at New, off to the right (west) while waxing, and behind
    // the viewer at Full; the surface faces the viewer with depth z.
    const double z = std::sqrt(std::max(0.0, 1.0 - x * x - y * y));
    return x * std::sin(phaseAngle) - z * std::cos(phaseAngle);
}

bool isMoonPointLit(double phaseAngle, double x, double y) { return moonSunlight(phaseAngle, x, y) > 0.0; }

}  // namespace lumenary::artwork
