#pragma once

namespace lumenary::artwork {

// The Moon's phases in picture order: 0 New, 1 Waxing Crescent, 2 First Quarter,
// 3 Waxing Gibbous, 4 Full, 5 Waning Gibbous, 6 Last Quarter, 7 Waning Crescent.
constexpr int moonPhaseCount = 8;

// The Sun-Moon angle seen from Earth, in radians: 0 at New Moon, pi at Full Moon.
double moonPhaseAngle(int phaseIndex);

// Cosine of the angle between the sunlight and the lunar surface's normal at the disc point
// (x, y), for a unit disc with x to the right and y up as seen from the northern hemisphere.
// Positive on the sunlit side; the zero line (the terminator) is a half-ellipse.
double moonSunlight(double phaseAngle, double x, double y);

bool isMoonPointLit(double phaseAngle, double x, double y);

}  // namespace lumenary::artwork
