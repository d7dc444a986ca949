#include "litSphere.h"

#include "supersampledRender.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::artwork {

namespace {

constexpr double ambient = 0.16;
constexpr int samplesPerSide = 3;

double radians(double degrees) { return degrees * std::numbers::pi / 180.0; }

// Fraction of full sunlight reaching a surface whose normal makes this cosine with the Sun.
double sunlitShade(double sunCosine) { return ambient + (1.0 - ambient) * std::max(0.0, sunCosine); }

// The body's surface point under picture point (x, y), or nothing off the disc.
std::optional<SurfacePoint> surfacePointAt(const SphereView& view, double x, double y)
{
    const double vx = (x - view.centreX) / view.radius;
    const double vy = (view.centreY - y) / view.radius;
    const double rr = vx * vx + vy * vy;
    if (rr > 1.0)
        return std::nullopt;
    const double vz = std::sqrt(1.0 - rr);

    // Turn the view-space normal into the body's frame: undo the lean, then the tip.
    const double tilt = radians(view.axialTiltDegrees);
    const double tip = radians(view.axisTowardViewerDegrees);
    const double leanX = vx * std::cos(tilt) - vy * std::sin(tilt);
    const double leanY = vx * std::sin(tilt) + vy * std::cos(tilt);
    const double bodyY = leanY * std::cos(tip) + vz * std::sin(tip);
    const double bodyZ = -leanY * std::sin(tip) + vz * std::cos(tip);

    SurfacePoint point;
    point.x = leanX;
    point.y = bodyY;
    point.z = bodyZ;
    point.latitude = std::asin(std::clamp(bodyY, -1.0, 1.0));
    point.longitude = std::atan2(leanX, bodyZ);
    point.facingViewer = vz;
    return point;
}

}  // namespace

Direction sunDirection() { return {-0.48, 0.42, 0.77}; }

Direction spinAxis(const SphereView& view)
{
    const double tilt = radians(view.axialTiltDegrees);
    const double tip = radians(view.axisTowardViewerDegrees);
    return {std::cos(tip) * std::sin(tilt), std::cos(tip) * std::cos(tilt), std::sin(tip)};
}

double degreesBetween(const SurfacePoint& point, double latitudeDegrees, double longitudeDegrees)
{
    const double lat = radians(latitudeDegrees);
    const double lon = radians(longitudeDegrees);
    const double dot = point.x * std::cos(lat) * std::sin(lon) + point.y * std::sin(lat)
                       + point.z * std::cos(lat) * std::cos(lon);
    return std::acos(std::clamp(dot, -1.0, 1.0)) * 180.0 / std::numbers::pi;
}

std::optional<Rgb> shadeSphere(const SphereView& view, const SurfaceColour& surface, double x, double y)
{
    const auto point = surfacePointAt(view, x, y);
    if (!point)
        return std::nullopt;
    const Direction sun = sunDirection();
    const double vx = (x - view.centreX) / view.radius;
    const double vy = (view.centreY - y) / view.radius;
    const double sunCosine = vx * sun.x + vy * sun.y + point->facingViewer * sun.z;
    const double limb = 1.0 - view.limbDarkening * (1.0 - std::sqrt(point->facingViewer));
    return surface(*point) * (sunlitShade(sunCosine) * limb);
}

QImage renderPlanet(QSize size, const SurfaceColour& surface, SphereView pose)
{
    SphereView view = pose;
    view.centreX = size.width() / 2.0;
    view.centreY = size.height() / 2.0;
    view.radius = 0.45 * std::min(size.width(), size.height());
    return renderSupersampled(size, samplesPerSide, [&](double x, double y) {
        return shadeSphere(view, surface, x, y).value_or(Rgb{});
    });
}

}  // namespace lumenary::artwork
