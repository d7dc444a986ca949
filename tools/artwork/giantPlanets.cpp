#include "planets.h"

#include "latitudeBands.h"
#include "litSphere.h"
#include "valueNoise.h"

#include <cmath>
#include <numbers>

namespace lumenary::artwork {

namespace {

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// How far inside an oval a point lies: below 1 inside, measured on latitude and longitude.
double ovalDistance(const SurfacePoint& p, double latitude, double longitude, double halfWidth, double halfHeight)
{
    const double u = (degrees(p.longitude) - longitude) / halfWidth;
    const double v = (degrees(p.latitude) - latitude) / halfHeight;
    return std::sqrt(u * u + v * v);
}

// Cloud bands wobble across their edges where neighbouring jets shear past each other.
double turbulentLatitude(const SurfacePoint& p, double amplitudeDegrees, unsigned seed)
{
    const double swirl = fractalNoise(p.x * 4.0, p.y * 14.0, p.z * 4.0, 4, seed) - 0.5;
    return degrees(p.latitude) + amplitudeDegrees * swirl;
}

constexpr BandStop jupiterBands[] = {
    { 90, {0.55, 0.49, 0.43}},
    { 55, {0.73, 0.65, 0.55}},
    { 40, {0.88, 0.82, 0.72}},
    { 32, {0.69, 0.53, 0.39}},
    { 26, {0.92, 0.87, 0.78}},
    { 19, {0.67, 0.45, 0.31}},
    {  8, {0.69, 0.49, 0.35}},
    {  4, {0.94, 0.89, 0.80}},
    { -4, {0.90, 0.82, 0.70}},
    { -8, {0.71, 0.51, 0.37}},
    {-17, {0.69, 0.49, 0.35}},
    {-21, {0.92, 0.86, 0.76}},
    {-30, {0.75, 0.61, 0.47}},
    {-38, {0.88, 0.82, 0.71}},
    {-55, {0.71, 0.63, 0.53}},
    {-90, {0.55, 0.49, 0.43}},
};

Rgb jupiterSurface(const SurfacePoint& p)
{
    Rgb colour = bandColourAt(jupiterBands, turbulentLatitude(p, 4.0, 61));
    const double spot = ovalDistance(p, -22.0, 8.0, 15.0, 8.0);
    colour = mix(colour, rgb255(238, 222, 198), smoothstep(1.4, 1.05, spot));
    return mix(colour, rgb255(192, 70, 44), smoothstep(1.0, 0.55, spot));
}

constexpr BandStop uranusBands[] = {
    { 90, {0.78, 0.93, 0.93}},
    { 45, {0.72, 0.90, 0.92}},
    { 10, {0.66, 0.86, 0.89}},
    {-30, {0.64, 0.85, 0.88}},
    {-90, {0.62, 0.83, 0.87}},
};

Rgb uranusSurface(const SurfacePoint& p)
{
    const double haze = fractalNoise(p.x * 3.0, p.y * 10.0, p.z * 3.0, 3, 71) - 0.5;
    return bandColourAt(uranusBands, degrees(p.latitude)) * (1.0 + 0.04 * haze);
}

constexpr BandStop neptuneBands[] = {
    { 90, {0.20, 0.34, 0.78}},
    { 50, {0.24, 0.40, 0.86}},
    { 30, {0.30, 0.48, 0.90}},
    { 10, {0.22, 0.38, 0.84}},
    {-15, {0.26, 0.44, 0.88}},
    {-40, {0.20, 0.35, 0.80}},
    {-90, {0.18, 0.31, 0.74}},
};

Rgb neptuneSurface(const SurfacePoint& p)
{
    Rgb colour = bandColourAt(neptuneBands, turbulentLatitude(p, 6.0, 81));

    // The Great Dark Spot, with bright methane clouds riding beside and south of it.
    colour = mix(colour, rgb255(20, 34, 110), smoothstep(1.0, 0.65, ovalDistance(p, -20.0, -18.0, 16.0, 8.0)));
    const double companion = ovalDistance(p, -29.0, -10.0, 14.0, 2.5);
    const double northStreak = ovalDistance(p, 28.0, 22.0, 26.0, 2.5);
    const double cloud = std::max(smoothstep(1.0, 0.4, companion), smoothstep(1.0, 0.4, northStreak));
    return mix(colour, rgb255(236, 240, 255), 0.85 * cloud);
}

}  // namespace

QImage drawJupiter(QSize size)
{
    return renderPlanet(size, jupiterSurface, {.axialTiltDegrees = 3.0, .limbDarkening = 0.45});
}

QImage drawUranus(QSize size)
{
    return renderPlanet(size, uranusSurface, {.axialTiltDegrees = 8.0, .axisTowardViewerDegrees = 30.0, .limbDarkening = 0.4});
}

QImage drawNeptune(QSize size) { return renderPlanet(size, neptuneSurface, {.limbDarkening = 0.4}); }

}  // namespace lumenary::artwork
