#include "moonPhases.h"

#include "lunarSurface.h"
#include "moonPhaseGeometry.h"
#include "supersampledRender.h"

#include <algorithm>
#include <cmath>

namespace lumenary::artwork {

namespace {

constexpr double discDiameter = 100.0;
constexpr int samplesPerSide = 4;

// The night side, faintly lit by sunlight reflected from the Earth.
constexpr Rgb earthshine{0.10, 0.10, 0.115};

Rgb moonColourAt(double phaseAngle, double x, double y)
{
    const double sunlight = moonSunlight(phaseAngle, x, y);
    // The Moon's dusty surface stays bright until close to the terminator.
    const double brightness = 0.62 + 0.38 * std::sqrt(std::max(0.0, sunlight));
    const double dayside = smoothstep(-0.02, 0.05, sunlight);
    return mix(earthshine, lunarSurfaceColour(x, y) * brightness, dayside);
}

}  // namespace

QImage drawMoonPhase(QSize size, int phaseIndex)
{
    const double phaseAngle = moonPhaseAngle(phaseIndex);
    const double centreX = size.width() / 2.0;
    const double centreY = size.height() / 2.0;
    const double radius = discDiameter / 2.0;
    return renderSupersampled(size, samplesPerSide, [&](double px, double py) {
        const double x = (px - centreX) / radius;
        const double y = (centreY - py) / radius;
        if (x * x + y * y > 1.0)
            return Rgb{};
        return moonColourAt(phaseAngle, x, y);
    });
}

}  // namespace lumenary::artwork
