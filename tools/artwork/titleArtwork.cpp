#include "titleArtwork.h"
#include "pictureCanvas.h"

#include "artworkFonts.h"
#include "starField.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace lumenary::artwork {

namespace {

// The scene is laid out on a 316 x 236 canvas and scaled to the requested size.
constexpr double canvasWidth = 316.0;
constexpr double canvasHeight = 236.0;

const QPointF sunCentre(110.0, 118.0);
constexpr double sunRadius = 30.0;
constexpr double orbitTiltDegrees = -12.0;
constexpr double orbitFlattening = 0.4;

// A planet on an orbit around the Sun: orbit radius, angle along it (degrees, 90 = nearest
// the viewer), size and colours from the lit side to the dark side.
struct OrbitingPlanet {
    double orbitRadius;
    double angleDegrees;
    double radius;
    QColor lit;
    QColor dark;
    bool ringed;
};

const OrbitingPlanet planets[] = {
    { 50.0, 215.0, 4.5, QColor(215, 205, 195), QColor(90, 80, 75),   false},
    { 76.0,  60.0, 8.0, QColor(110, 190, 255), QColor(20, 60, 150),  false},
    {100.0, 235.0, 6.0, QColor(255, 140, 90),  QColor(140, 40, 20),  false},
    {100.0, 335.0, 7.0, QColor(250, 225, 160), QColor(150, 110, 60), true},
};

QPointF orbitPoint(double orbitRadius, double angleDegrees)
{
    const double a = angleDegrees * std::numbers::pi / 180.0;
    const double tilt = orbitTiltDegrees * std::numbers::pi / 180.0;
    const double x = orbitRadius * std::cos(a);
    const double y = orbitRadius * orbitFlattening * std::sin(a);
    return sunCentre + QPointF(x * std::cos(tilt) - y * std::sin(tilt), x * std::sin(tilt) + y * std::cos(tilt));
}

bool behindSun(const OrbitingPlanet& planet) { return std::sin(planet.angleDegrees * std::numbers::pi / 180.0) < 0.0; }

void drawBackground(QPainter& painter)
{
    QRadialGradient space(sunCentre, canvasWidth * 0.9);
    space.setColorAt(0.0, QColor(58, 36, 110));
    space.setColorAt(0.5, QColor(22, 20, 70));
    space.setColorAt(1.0, QColor(6, 8, 32));
    painter.fillRect(QRectF(0, 0, canvasWidth, canvasHeight), space);
    drawStars(painter, QRectF(0, 0, canvasWidth, canvasHeight), 90, 3, 230);
}

// The orbits' far halves pass behind the Sun and their near halves in front of it.
void drawOrbitHalves(QPainter& painter, bool nearHalf)
{
    painter.save();
    painter.translate(sunCentre);
    painter.rotate(orbitTiltDegrees);
    painter.setClipRect(QRectF(-canvasWidth, nearHalf ? 0.0 : -canvasHeight, 2 * canvasWidth, canvasHeight));
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(160, 185, 255, 150), 1.2));
    for (double radius : {50.0, 76.0, 100.0})
        painter.drawEllipse(QPointF(0, 0), radius, radius * orbitFlattening);
    painter.restore();
}

void drawPlanet(QPainter& painter, const OrbitingPlanet& planet)
{
    const QPointF centre = orbitPoint(planet.orbitRadius, planet.angleDegrees);
    // Each planet is lit from the Sun's side.
    const QPointF towardSun = sunCentre - centre;
    const double distance = std::hypot(towardSun.x(), towardSun.y());
    const QPointF highlight = centre + towardSun * (planet.radius * 0.5 / distance);

    if (planet.ringed) {
        painter.setPen(QPen(QColor(235, 210, 150, 220), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.save();
        painter.translate(centre);
        painter.rotate(-18.0);
        painter.drawEllipse(QPointF(0, 0), planet.radius * 2.0, planet.radius * 0.6);
        painter.restore();
    }
    QRadialGradient shade(highlight, planet.radius * 1.8);
    shade.setColorAt(0.0, planet.lit);
    shade.setColorAt(1.0, planet.dark);
    painter.setPen(Qt::NoPen);
    painter.setBrush(shade);
    painter.drawEllipse(centre, planet.radius, planet.radius);
    if (planet.ringed) {
        // The near half of the ring crosses in front of the globe.
        painter.save();
        painter.translate(centre);
        painter.rotate(-18.0);
        painter.setClipRect(QRectF(-planet.radius * 2.5, 0, planet.radius * 5.0, planet.radius * 2.0));
        painter.setPen(QPen(QColor(245, 225, 170), 1.6));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(0, 0), planet.radius * 2.0, planet.radius * 0.6);
        painter.restore();
    }
}

void drawSun(QPainter& painter)
{
    QRadialGradient glow(sunCentre, sunRadius * 3.2);
    glow.setColorAt(0.0, QColor(255, 210, 90, 200));
    glow.setColorAt(0.35, QColor(255, 170, 50, 90));
    glow.setColorAt(1.0, QColor(255, 150, 40, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(sunCentre, sunRadius * 3.2, sunRadius * 3.2);

    // Rays of light, alternately long and short, fading outward.
    for (int i = 0; i < 16; ++i) {
        const double angle = (i * 22.5 + 6.0) * std::numbers::pi / 180.0;
        const double length = sunRadius * (i % 2 == 0 ? 2.3 : 1.65);
        const double halfWidth = 0.11;
        const QPointF tip = sunCentre + QPointF(std::cos(angle), std::sin(angle)) * length;
        const QPointF left = sunCentre + QPointF(std::cos(angle - halfWidth), std::sin(angle - halfWidth)) * (sunRadius * 0.9);
        const QPointF right = sunCentre + QPointF(std::cos(angle + halfWidth), std::sin(angle + halfWidth)) * (sunRadius * 0.9);
        QLinearGradient fade(sunCentre, tip);
        fade.setColorAt(0.3, QColor(255, 225, 70));
        fade.setColorAt(1.0, QColor(255, 170, 30, 0));
        painter.setBrush(fade);
        painter.drawPolygon(QPolygonF({left, tip, right}));
    }

    QRadialGradient disc(sunCentre - QPointF(sunRadius * 0.3, sunRadius * 0.3), sunRadius * 1.3);
    disc.setColorAt(0.0, QColor(255, 255, 215));
    disc.setColorAt(0.45, QColor(255, 215, 60));
    disc.setColorAt(1.0, QColor(245, 130, 20));
    painter.setBrush(disc);
    painter.drawEllipse(sunCentre, sunRadius, sunRadius);
}

void drawMagnet(QPainter& painter, QPointF bend)
{
    constexpr double outer = 24.0;
    constexpr double inner = 10.0;
    constexpr double armLength = 26.0;
    constexpr double poleLength = 11.0;
    painter.save();
    painter.translate(bend);

    // Field lines loop from the north pole round to the south pole beyond the open end.
    painter.setBrush(Qt::NoBrush);
    const double poleMid = (outer + inner) / 2.0;
    const double poleEnd = armLength + poleLength;
    for (int line = 0; line < 3; ++line) {
        const double reach = 10.0 + line * 9.0;
        const double spread = 6.0 + line * 14.0;
        QPainterPath field;
        field.moveTo(-poleMid, poleEnd);
        field.cubicTo(-poleMid - spread, poleEnd + reach, poleMid + spread, poleEnd + reach, poleMid, poleEnd);
        painter.setPen(QPen(QColor(150, 225, 255, 230 - line * 50), 1.3, Qt::DashLine));
        painter.drawPath(field);
    }

    QPainterPath body;
    body.moveTo(-outer, armLength);
    body.arcTo(QRectF(-outer, -outer, 2 * outer, 2 * outer), 180.0, -180.0);
    body.lineTo(outer, armLength);
    body.lineTo(inner, armLength);
    body.lineTo(inner, 0.0);
    body.arcTo(QRectF(-inner, -inner, 2 * inner, 2 * inner), 0.0, 180.0);
    body.lineTo(-inner, armLength);
    body.closeSubpath();
    QLinearGradient red(-outer, 0, outer, 0);
    red.setColorAt(0.0, QColor(255, 90, 80));
    red.setColorAt(0.5, QColor(220, 30, 40));
    red.setColorAt(1.0, QColor(140, 10, 20));
    painter.setPen(QPen(QColor(90, 0, 10), 1.0));
    painter.setBrush(red);
    painter.drawPath(body);

    QLinearGradient steel(-outer, 0, outer, 0);
    steel.setColorAt(0.0, QColor(250, 250, 255));
    steel.setColorAt(1.0, QColor(150, 155, 170));
    painter.setBrush(steel);
    painter.setPen(QPen(QColor(70, 70, 90), 1.0));
    painter.drawRect(QRectF(-outer, armLength, outer - inner, poleLength));
    painter.drawRect(QRectF(inner, armLength, outer - inner, poleLength));

    painter.setFont(interfaceFont(9, true));
    painter.setPen(QColor(30, 30, 60));
    painter.drawText(QRectF(-outer, armLength, outer - inner, poleLength), Qt::AlignCenter, QStringLiteral("N"));
    painter.drawText(QRectF(inner, armLength, outer - inner, poleLength), Qt::AlignCenter, QStringLiteral("S"));
    painter.restore();
}

void drawNewtonMeter(QPainter& painter, QPointF top)
{
    constexpr double width = 18.0;
    constexpr double length = 76.0;
    painter.save();
    painter.translate(top);

    painter.setPen(QPen(QColor(200, 205, 220), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(QRectF(-5, -6, 10, 10), 0 * 16, 180 * 16);
    painter.drawLine(QPointF(0, -1), QPointF(0, 6));

    QLinearGradient tube(-width / 2, 0, width / 2, 0);
    tube.setColorAt(0.0, QColor(255, 255, 255));
    tube.setColorAt(0.6, QColor(215, 225, 240));
    tube.setColorAt(1.0, QColor(150, 160, 185));
    painter.setPen(QPen(QColor(60, 70, 100), 1.0));
    painter.setBrush(tube);
    painter.drawRoundedRect(QRectF(-width / 2, 6, width, length), 4, 4);

    // The scale: ten divisions with longer marks every fifth.
    painter.setPen(QPen(QColor(30, 40, 80), 0.9));
    for (int tick = 0; tick <= 10; ++tick) {
        const double y = 14.0 + tick * 6.0;
        const double mark = tick % 5 == 0 ? 7.0 : 4.0;
        painter.drawLine(QPointF(-width / 2 + 2, y), QPointF(-width / 2 + 2 + mark, y));
    }
    // The pointer, pulled down by the hanging mass.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(230, 30, 40));
    painter.drawPolygon(QPolygonF({QPointF(width / 2 - 1, 50), QPointF(-1, 47), QPointF(-1, 53)}));

    painter.setPen(QPen(QColor(200, 205, 220), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(0, length + 6), QPointF(0, length + 12));
    painter.drawArc(QRectF(-4, length + 11, 8, 8), 90 * 16, -270 * 16);

    QLinearGradient metal(-13, 0, 13, 0);
    metal.setColorAt(0.0, QColor(200, 200, 210));
    metal.setColorAt(0.5, QColor(130, 130, 145));
    metal.setColorAt(1.0, QColor(70, 70, 85));
    painter.setPen(QPen(QColor(40, 40, 55), 1.0));
    painter.setBrush(metal);
    painter.drawPolygon(QPolygonF({QPointF(-11, length + 20), QPointF(11, length + 20), QPointF(16, length + 38), QPointF(-16, length + 38)}));
    painter.setFont(interfaceFont(9, true));
    painter.setPen(QColor(255, 255, 255));
    painter.drawText(QRectF(-16, length + 21, 32, 18), Qt::AlignCenter, QStringLiteral("1kg"));
    painter.restore();
}

}  // namespace

QImage drawTitleArtwork(QSize size)
{
    QImage image = newPicture(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size.width() / canvasWidth, size.height() / canvasHeight);

    drawBackground(painter);
    drawOrbitHalves(painter, false);
    for (const OrbitingPlanet& planet : planets)
        if (behindSun(planet))
            drawPlanet(painter, planet);
    drawSun(painter);
    drawOrbitHalves(painter, true);
    for (const OrbitingPlanet& planet : planets)
        if (!behindSun(planet))
            drawPlanet(painter, planet);
    drawNewtonMeter(painter, QPointF(276.0, 14.0));
    drawMagnet(painter, QPointF(236.0, 160.0));
    return image;
}

}  // namespace lumenary::artwork
