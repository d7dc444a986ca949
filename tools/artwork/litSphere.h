#pragma once

#include "colourMath.h"

#include <QImage>
#include <QSize>

#include <functional>
#include <optional>

namespace lumenary::artwork {

// A point on a planet's surface in the body's own frame: unit vector (x, y, z) with y along
// the spin axis, its latitude and longitude in radians (longitude 0 faces the viewer), and how
// squarely it faces the viewer (1 at the disc centre, 0 at the edge).
struct SurfacePoint {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
    double latitude = 0.0;
    double longitude = 0.0;
    double facingViewer = 1.0;
};

// The surface colour of a body, before any lighting.
using SurfaceColour = std::function<Rgb(const SurfacePoint&)>;

// Where a sphere sits in the picture and how it is lit.
struct SphereView {
    double centreX = 0.0;
    double centreY = 0.0;
    double radius = 1.0;
    double axialTiltDegrees = 0.0;         // spin axis leaning right of vertical
    double axisTowardViewerDegrees = 0.0;  // north pole tipped toward the viewer
    double limbDarkening = 0.3;     // 0 = evenly bright to the edge, 1 = black at the edge
};

// Unit vector toward the Sun in view space (x right, y up, z toward the viewer).
struct Direction {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};
Direction sunDirection();

// The body's spin axis in view space.
Direction spinAxis(const SphereView& view);

// Angle in degrees between a surface point and the place at (latitude, longitude) in degrees.
double degreesBetween(const SurfacePoint& point, double latitudeDegrees, double longitudeDegrees);

// The lit colour of the sphere at picture point (x, y), or nothing off the disc. Light comes
// from the upper left and in front, the way textbook diagrams light a planet.
std::optional<Rgb> shadeSphere(const SphereView& view, const SurfaceColour& surface, double x, double y);

// A planet on black, centred, its diameter 90% of the picture's smaller side; the pose gives
// its tilt and limb darkening (its centre and radius are set here).
QImage renderPlanet(QSize size, const SurfaceColour& surface, SphereView pose);

}  // namespace lumenary::artwork
