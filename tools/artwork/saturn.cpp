#include "planets.h"

#include "latitudeBands.h"
#include "litSphere.h"
#include "supersampledRender.h"
#include "valueNoise.h"

#include <QRectF>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::artwork {

namespace {

constexpr double ringTiltDegrees = 14.0;        // rings lean clockwise
constexpr double ringTowardViewerDegrees = 26.0;  // we look down onto the lit north face

// One ring between two distances from Saturn's centre, in globe radii.
struct RingZone {
    double inner;
    double outer;
    Rgb colour;
    double opacity;
};

constexpr RingZone rings[] = {
    {1.24, 1.52, {0.58, 0.53, 0.44}, 0.35},  // C ring, faint
    {1.52, 1.95, {0.93, 0.85, 0.68}, 0.95},  // B ring, brightest
    {1.95, 2.03, {0.25, 0.21, 0.17}, 0.15},  // Cassini Division
    {2.03, 2.27, {0.84, 0.76, 0.60}, 0.82},  // A ring
};
constexpr double ringOuterEdge = 2.27;

constexpr BandStop globeBands[] = {
    { 90, {0.62, 0.60, 0.50}},
    { 60, {0.74, 0.67, 0.50}},
    { 40, {0.88, 0.78, 0.56}},
    { 30, {0.80, 0.68, 0.46}},
    { 18, {0.93, 0.84, 0.62}},
    {  8, {0.96, 0.89, 0.68}},
    {-10, {0.93, 0.84, 0.62}},
    {-25, {0.82, 0.71, 0.49}},
    {-45, {0.88, 0.79, 0.57}},
    {-90, {0.70, 0.64, 0.50}},
};

Rgb globeSurface(const SurfacePoint& p)
{
    const double latitude = p.latitude * 180.0 / std::numbers::pi;
    const double swirl = fractalNoise(p.x * 3.0, p.y * 12.0, p.z * 3.0, 3, 91) - 0.5;
    return bandColourAt(globeBands, latitude + 3.0 * swirl);
}

const RingZone* ringAt(double distance)
{
    for (const RingZone& zone : rings)
        if (distance >= zone.inner && distance < zone.outer)
            return &zone;
    return nullptr;
}

double dot(Direction a, Direction b) { return a.x * b.x + a.y * b.y + a.z * b.z; }

// Saturn seen from one viewpoint, in globe radii around its centre (x right, y up, z toward us).
class SaturnScene {
public:
    explicit SaturnScene(QSize size)
    {
        view_.axialTiltDegrees = ringTiltDegrees;
        view_.axisTowardViewerDegrees = ringTowardViewerDegrees;
        view_.limbDarkening = 0.4;
        pole_ = spinAxis(view_);
        sun_ = sunDirection();

        // The rings' outer edge projects to an ellipse; size the globe so it spans the width.
        const double ringHalfWidth = ringOuterEdge * std::sqrt(1.0 - pole_.x * pole_.x);
        const double ringHalfHeight = std::max(1.0, ringOuterEdge * std::sqrt(1.0 - pole_.y * pole_.y));
        view_.radius = std::min(0.48 * size.width() / ringHalfWidth, 0.46 * size.height() / ringHalfHeight);
        const double left = size.width() / 2.0 - ringHalfWidth * view_.radius;
        const double top = size.height() / 2.0 - ringHalfHeight * view_.radius;

        // On the planets screen Uranus's square picture covers Saturn's lower right corner (the
        // last eighth of its width, the lower two fifths of its height). Nothing of Saturn may lie
        // there, or Uranus cuts a notch out of the rings: shrink it toward the upper left, a few
        // pixels clear of the corner so that neither JPEG's ringing nor scaling reaches it.
        const QRectF covered(QPointF(size.width() * 0.84, size.height() * 0.58), QPointF(size.width(), size.height()));
        for (;; view_.radius *= 0.99) {
            view_.centreX = left + ringHalfWidth * view_.radius;
            view_.centreY = top + ringHalfHeight * view_.radius;
            if (!reaches(covered))
                break;
        }
    }

    Rgb colourAt(double px, double py) const
    {
        const double x = (px - view_.centreX) / view_.radius;
        const double y = (view_.centreY - py) / view_.radius;
        const double rr = x * x + y * y;
        const bool onGlobe = rr <= 1.0;
        const double globeZ = onGlobe ? std::sqrt(1.0 - rr) : 0.0;

        // Where the line of sight crosses the ring plane.
        const double ringZ = -(pole_.x * x + pole_.y * y) / pole_.z;
        const Direction ringPoint{x, y, ringZ};
        const RingZone* zone = ringAt(std::sqrt(rr + ringZ * ringZ));

        Rgb behind;
        if (onGlobe)
            behind = globeColour(px, py, {x, y, globeZ});
        if (!zone || (onGlobe && ringZ < globeZ))
            return behind;
        return mix(behind, ringColour(*zone, ringPoint), zone->opacity);
    }

private:
    bool reaches(QRectF area) const
    {
        for (double py = area.top(); py < area.bottom(); py += 0.5)
            for (double px = area.left(); px < area.right(); px += 0.5) {
                const double x = (px - view_.centreX) / view_.radius;
                const double y = (view_.centreY - py) / view_.radius;
                const double ringZ = -(pole_.x * x + pole_.y * y) / pole_.z;
                if (x * x + y * y <= 1.0 || ringAt(std::sqrt(x * x + y * y + ringZ * ringZ)))
                    return true;
            }
        return false;
    }

    Rgb globeColour(double px, double py, Direction surface) const
    {
        Rgb colour = shadeSphere(view_, globeSurface, px, py).value_or(Rgb{});
        // The rings' shadow: follow the sunlight back from the surface to the ring plane.
        const double toPlane = -dot(pole_, surface) / dot(pole_, sun_);
        if (toPlane > 0.0) {
            const Direction hit{surface.x + sun_.x * toPlane, surface.y + sun_.y * toPlane, surface.z + sun_.z * toPlane};
            if (const RingZone* shadowing = ringAt(std::sqrt(dot(hit, hit))))
                colour = colour * (1.0 - 0.75 * shadowing->opacity);
        }
        return colour;
    }

    Rgb ringColour(const RingZone& zone, Direction point) const
    {
        const double distance = std::sqrt(dot(point, point));
        const double ringlets = 1.0 + 0.08 * std::sin(distance * 90.0) + 0.05 * std::sin(distance * 37.0);
        Rgb colour = zone.colour * (ringlets * (0.35 + 0.65 * std::abs(dot(pole_, sun_))));
        // The globe's shadow falls across the rings behind it.
        const double along = dot(point, sun_);
        if (along < 0.0 && dot(point, point) - along * along < 1.0)
            colour = colour * 0.15;
        return colour;
    }

    SphereView view_;
    Direction pole_;
    Direction sun_;
};

}  // namespace

QImage drawSaturn(QSize size)
{
    const SaturnScene scene(size);
    return renderSupersampled(size, 3, [&](double x, double y) { return scene.colourAt(x, y); });
}

}  // namespace lumenary::artwork
