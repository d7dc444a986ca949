#include "lunarSurface.h"

#include "valueNoise.h"

#include <algorithm>
#include <cmath>

namespace lumenary::artwork {

namespace {

// A patch of mare as an oval on the disc: centre, half-width, half-height. Neighbouring
// patches run together into the seas' familiar shapes.
struct Mare {
    double x;
    double y;
    double halfWidth;
    double halfHeight;
};

constexpr Mare maria[] = {
    {-0.28,  0.40, 0.26, 0.21},  // Mare Imbrium
    { 0.18,  0.40, 0.15, 0.14},  // Mare Serenitatis
    { 0.38,  0.10, 0.20, 0.15},  // Mare Tranquillitatis
    { 0.76,  0.30, 0.09, 0.12},  // Mare Crisium
    { 0.62, -0.15, 0.10, 0.17},  // Mare Fecunditatis
    { 0.38, -0.30, 0.09, 0.09},  // Mare Nectaris
    {-0.62,  0.15, 0.22, 0.30},  // Oceanus Procellarum
    {-0.52, -0.15, 0.20, 0.20},
    {-0.20,  0.05, 0.13, 0.09},  // Mare Insularum
    {-0.22, -0.30, 0.17, 0.12},  // Mare Nubium
    {-0.50, -0.42, 0.09, 0.09},  // Mare Humorum
    {-0.30,  0.72, 0.14, 0.06},  // Mare Frigoris
    { 0.00,  0.74, 0.14, 0.06},
    { 0.26,  0.70, 0.10, 0.05},
    { 0.00,  0.22, 0.12, 0.09},  // Mare Vaporum
};

// A crater on the disc: centre, radius, and how bright its walls and rays are.
struct Crater {
    double x;
    double y;
    double radius;
    double brightness;
};

constexpr Crater craters[] = {
    {-0.10, -0.72, 0.045, 0.30},  // Tycho
    {-0.28,  0.17, 0.045, 0.22},  // Copernicus
    {-0.52,  0.14, 0.028, 0.18},  // Kepler
    {-0.68,  0.38, 0.022, 0.30},  // Aristarchus
    { 0.30, -0.55, 0.040, 0.08},
    { 0.10, -0.15, 0.035, 0.08},
    { 0.55, -0.55, 0.045, 0.07},
    {-0.35, -0.62, 0.040, 0.07},
};

// Tycho's bright rays, which stretch far across the southern highlands.
double tychoRays(double x, double y)
{
    const Crater& tycho = craters[0];
    const double dx = x - tycho.x;
    const double dy = y - tycho.y;
    const double distance = std::sqrt(dx * dx + dy * dy);
    if (distance < tycho.radius || distance > 0.9)
        return 0.0;
    const double spoke = valueNoise(std::atan2(dy, dx) * 12.0, 0.0, 0.0, 131);
    return 0.08 * smoothstep(0.8, 0.97, spoke) * (1.0 - distance / 0.9);
}

}  // namespace

Rgb lunarSurfaceColour(double x, double y)
{
    const double grain = fractalNoise(x * 9.0, y * 9.0, 0.0, 4, 101);
    double brightness = 0.74 + 0.16 * grain;

    // The maria merge into one another along ragged shores, with darker and lighter lava
    // flows inside them.
    double lava = 0.0;
    for (const Mare& mare : maria) {
        const double u = (x - mare.x) / mare.halfWidth;
        const double v = (y - mare.y) / mare.halfHeight;
        lava += std::exp(-(u * u + v * v));
    }
    const double shore = fractalNoise(x * 5.0, y * 5.0, 1.0, 4, 111) - 0.5;
    const double sea = smoothstep(0.35, 0.95, lava + 0.5 * shore);
    const double flows = fractalNoise(x * 7.0, y * 7.0, 2.0, 3, 121);
    brightness = brightness * (1.0 - (0.3 + 0.15 * flows) * sea);

    for (const Crater& crater : craters) {
        const double d = std::hypot(x - crater.x, y - crater.y) / crater.radius;
        if (d < 1.2)
            brightness += crater.brightness * smoothstep(1.2, 0.6, d);
    }
    brightness += tychoRays(x, y);

    // The highlands are faintly warm and the maria faintly cool, as in colour photographs.
    return mix(Rgb{1.0, 0.98, 0.94}, Rgb{0.93, 0.95, 1.0}, sea) * std::clamp(brightness, 0.0, 1.0);
}

}  // namespace lumenary::artwork
