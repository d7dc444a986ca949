#include "planets.h"

#include "litSphere.h"
#include "valueNoise.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::artwork {

namespace {

double degrees(double radians) { return radians * 180.0 / std::numbers::pi; }

// A round surface feature: centre latitude and longitude, radius, all in degrees.
struct Feature {
    double latitude;
    double longitude;
    double radius;
};

// How far inside a feature a point lies: 1 at its centre, 0 on its edge, negative outside.
double insideness(const SurfacePoint& point, const Feature& feature)
{
    return 1.0 - degreesBetween(point, feature.latitude, feature.longitude) / feature.radius;
}

// A bowl-shaped crater: darker floor, bright raised rim, faint ejecta around it.
double craterShade(const SurfacePoint& point, const Feature& crater)
{
    const double d = degreesBetween(point, crater.latitude, crater.longitude) / crater.radius;
    if (d < 0.85)
        return 0.8 + 0.12 * d;
    if (d < 1.2)
        return 1.0 + 0.22 * (1.0 - std::abs(d - 1.0) / 0.2);
    if (d < 1.7)
        return 1.0 + 0.05 * (1.7 - d);
    return 1.0;
}

constexpr Feature mercuryCraters[] = {
    { 25, -20, 11},
    {-30,  15,  8},
    { 10,  35,  6},
    { -5, -45,  9},
    { 45,  20,  7},
    {-50, -30,  6},
    {  5,   5,  4},
    {-15, -10,  5},
    { 30,  55,  5},
    {-35,  50,  7},
    { 60, -40,  8},
    { 15, -65,  6},
};

Rgb mercurySurface(const SurfacePoint& p)
{
    const double tone = fractalNoise(p.x * 3.0, p.y * 3.0, p.z * 3.0, 4, 11);
    Rgb colour = mix(rgb255(100, 96, 92), rgb255(178, 172, 165), tone);
    for (const Feature& crater : mercuryCraters)
        colour = colour * craterShade(p, crater);
    return colour;
}

Rgb venusSurface(const SurfacePoint& p)
{
    // Cloud streaks run along the latitude lines, swept sideways by a slow warp.
    const double warp = fractalNoise(p.x * 1.5, p.y * 1.5, p.z * 1.5, 3, 23);
    const double streak = fractalNoise(p.x * 2.0 + warp, p.y * 7.0, p.z * 2.0, 4, 21);
    return mix(rgb255(252, 242, 205), rgb255(206, 176, 112), 0.9 * streak);
}

// Longitude at the centre of the Earth's visible face, in degrees east.
constexpr double earthFacingLongitude = 8.0;

constexpr Feature earthLand[] = {
    { 18,  -5, 16},  // West Africa and the Sahara
    { 22,  18, 17},
    {  5,  20, 15},  // Central Africa
    { -8,  26, 12},
    {-20,  27, 10},  // Southern Africa
    {-29,  24,  7},
    { 23,  46,  9},  // Arabia
    { 47,   8,  9},  // Europe
    { 52,  25, 11},
    { 40,  -4,  5},  // Iberia
    { 63,  15,  7},  // Scandinavia
    { -5, -58, 14},  // South America
    {-22, -55, 10},
    {-38, -65,  7},
    {  6, -66,  8},
};

Rgb earthSurface(const SurfacePoint& p)
{
    const double lat = degrees(p.latitude);
    SurfacePoint geographic = p;
    const double turn = earthFacingLongitude * std::numbers::pi / 180.0;
    geographic.x = p.x * std::cos(turn) + p.z * std::sin(turn);
    geographic.z = -p.x * std::sin(turn) + p.z * std::cos(turn);

    double land = -1.0;
    for (const Feature& mass : earthLand)
        land = std::max(land, insideness(geographic, mass));
    land += 0.9 * (fractalNoise(p.x * 3.5, p.y * 3.5, p.z * 3.5, 5, 3) - 0.5);

    const Rgb deepOcean = rgb255(16, 52, 140);
    const Rgb shallowOcean = rgb255(40, 104, 190);
    Rgb colour = mix(deepOcean, shallowOcean, smoothstep(-0.4, 0.0, land));
    if (land > 0.0) {
        const double forest = fractalNoise(p.x * 6.0, p.y * 6.0, p.z * 6.0, 3, 5);
        const Rgb vegetation = mix(rgb255(70, 135, 50), rgb255(34, 92, 36), forest);
        // Deserts lie along the subtropics, with ragged edges where rain reaches in.
        const double climateLatitude = lat + 24.0 * (fractalNoise(p.x * 3.0, p.y * 3.0, p.z * 3.0, 4, 13) - 0.5);
        const double dryness = std::max(smoothstep(10.0, 3.0, std::abs(climateLatitude - 22.0)),
                                        smoothstep(8.0, 2.0, std::abs(climateLatitude + 24.0)));
        colour = mix(vegetation, rgb255(196, 166, 110), dryness);
    }
    const double iceEdge = 4.0 * (fractalNoise(p.x * 5.0, p.y * 5.0, p.z * 5.0, 3, 9) - 0.5);
    if (lat > 72.0 + iceEdge || lat < -68.0 + iceEdge)
        colour = rgb255(238, 244, 250);

    const double storms = smoothstep(35.0, 55.0, std::abs(lat)) * 0.12 + smoothstep(10.0, 0.0, std::abs(lat - 6.0)) * 0.08;
    const double cloudiness = fractalNoise(p.x * 3.0, p.y * 5.0, p.z * 3.0, 5, 7) + storms;
    colour = mix(colour, rgb255(246, 248, 255), 0.92 * smoothstep(0.55, 0.7, cloudiness));

    // A blue haze of atmosphere thickens toward the edge of the disc.
    return mix(colour, rgb255(120, 170, 255), 0.55 * std::pow(1.0 - p.facingViewer, 2.5));
}

constexpr Feature marsDarkRegions[] = {
    { 10,  15, 18},  // Syrtis Major
    {-20, -15, 24},
    {-28,  45, 18},
    { 25, -50, 14},
};

Rgb marsSurface(const SurfacePoint& p)
{
    const double lat = degrees(p.latitude);
    const double dust = fractalNoise(p.x * 3.0, p.y * 3.0, p.z * 3.0, 5, 31);
    Rgb colour = mix(rgb255(178, 74, 38), rgb255(222, 128, 72), dust);

    // Dark basaltic regions with ragged, wind-blown edges.
    double darkness = -1.0;
    for (const Feature& region : marsDarkRegions)
        darkness = std::max(darkness, insideness(p, region));
    darkness = 0.5 * darkness + 1.3 * (fractalNoise(p.x * 3.0, p.y * 3.0, p.z * 3.0, 5, 37) - 0.5);
    colour = mix(colour, rgb255(110, 50, 32), 0.75 * smoothstep(-0.05, 0.2, darkness));

    const double capEdge = 5.0 * (fractalNoise(p.x * 8.0, p.y * 8.0, p.z * 8.0, 3, 41) - 0.5);
    if (lat > 70.0 + capEdge || lat < -82.0 + capEdge)
        colour = rgb255(248, 244, 238);
    return colour;
}

// Pluto's pale heart-shaped plain, in degrees on the surface.
constexpr double heartLatitude = 12.0;
constexpr double heartLongitude = 18.0;
constexpr double heartSize = 27.0;

bool insideHeart(double latitudeDegrees, double longitudeDegrees)
{
    const double u = (longitudeDegrees - heartLongitude) / heartSize;
    const double v = (latitudeDegrees - heartLatitude) / heartSize;
    const double ring = u * u + v * v - 1.0;
    return ring * ring * ring - u * u * v * v * v <= 0.0;
}

Rgb plutoSurface(const SurfacePoint& p)
{
    const double lat = degrees(p.latitude);
    const double lon = degrees(p.longitude);
    const double tone = fractalNoise(p.x * 4.0, p.y * 4.0, p.z * 4.0, 4, 51);
    Rgb colour = mix(rgb255(176, 146, 116), rgb255(226, 204, 172), tone);

    // The dark reddish-brown belt along the equator west of the heart.
    const double ragged = fractalNoise(p.x * 6.0, p.y * 6.0, p.z * 6.0, 4, 53) - 0.5;
    const double belt = std::pow((lon + 55.0) / 50.0, 2) + std::pow((lat + 6.0) / 18.0, 2) + 1.4 * ragged;
    colour = mix(colour, rgb255(104, 62, 46), smoothstep(1.1, 0.8, belt));

    if (insideHeart(lat, lon))
        colour = mix(rgb255(250, 244, 232), colour, 0.15 * tone);
    return colour;
}

}  // namespace

QImage drawMercury(QSize size) { return renderPlanet(size, mercurySurface, {.limbDarkening = 0.25}); }

QImage drawVenus(QSize size) { return renderPlanet(size, venusSurface, {.limbDarkening = 0.2}); }

QImage drawEarth(QSize size)
{
    return renderPlanet(size, earthSurface, {.axialTiltDegrees = 23.4, .axisTowardViewerDegrees = 12.0, .limbDarkening = 0.2});
}

QImage drawMars(QSize size)
{
    return renderPlanet(size, marsSurface, {.axialTiltDegrees = 20.0, .axisTowardViewerDegrees = 18.0, .limbDarkening = 0.25});
}

QImage drawPluto(QSize size) { return renderPlanet(size, plutoSurface, {.limbDarkening = 0.2}); }

}  // namespace lumenary::artwork
