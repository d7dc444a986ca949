#include "materialSamples.h"

#include "colourMath.h"
#include "supersampledRender.h"
#include "valueNoise.h"

#include <QLinearGradient>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace lumenary::artwork {

namespace {

constexpr double sheetThickness = 5.0;
const QColor dropShadow(20, 30, 60, 45);

// Fine streaks along the sheet from rolling and brushing, in -0.5..0.5.
double brushStreak(double x, double y, unsigned seed) { return valueNoise(x * 0.015, y * 0.9, 0.0, seed) - 0.5; }

// A flat sheet seen from the front, its cut edge showing along the bottom and right, so it
// reads as a sheet of metal rather than a painted rectangle.
void drawSheet(QPainter& painter, const QRectF& area, const PointShader& surface, const QColor& edge)
{
    const QRectF face = area.adjusted(0.0, 0.0, -sheetThickness, -sheetThickness);
    const QPointF depth(sheetThickness, sheetThickness);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dropShadow);
    painter.drawRect(face.translated(depth + QPointF(3.0, 4.0)));
    painter.setBrush(edge);
    painter.drawPolygon(QPolygonF({face.topRight(), face.topRight() + depth, face.bottomRight() + depth,
                                   face.bottomLeft() + depth, face.bottomLeft(), face.bottomRight()}));
    const QImage texture = renderSupersampled(face.size().toSize(), 2, surface);
    painter.drawImage(face.topLeft(), texture);
    painter.setPen(QPen(edge.darker(130), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(face.adjusted(0.5, 0.5, -0.5, -0.5));
}

// Polished copper: broad warm bands of reflected light across a brushed surface.
void drawCopper(QPainter& painter, const QRectF& area)
{
    const double diagonal = std::hypot(area.width(), area.height());
    drawSheet(painter, area, [diagonal](double x, double y) {
        const double u = (x * 0.8 + y * 0.6) / diagonal;
        const double sheen = 0.5 + 0.5 * std::sin(u * 2.0 * std::numbers::pi * 1.4 + 0.9);
        const double tone = 0.22 + 0.58 * sheen + 0.12 * brushStreak(x, y, 11u);
        const Rgb colour = tone < 0.5 ? mix(rgb255(118, 52, 24), rgb255(200, 112, 58), tone * 2.0)
                                      : mix(rgb255(200, 112, 58), rgb255(246, 170, 112), tone * 2.0 - 1.0);
        return mix(colour, rgb255(255, 222, 186), smoothstep(0.93, 1.0, sheen) * 0.7);
    }, QColor(150, 72, 34));
}

// Iron: dark, dull and blotchy, with rust creeping in from the edges.
void drawIron(QPainter& painter, const QRectF& area)
{
    const double width = area.width() - sheetThickness;
    const double height = area.height() - sheetThickness;
    drawSheet(painter, area, [width, height](double x, double y) {
        const double blotch = fractalNoise(x / 38.0, y / 38.0, 0.0, 4, 23u) - 0.5;
        const double grain = valueNoise(x / 2.5, y / 2.5, 0.0, 29u) - 0.5;
        const Rgb iron = rgb255(84, 86, 90) * (1.0 + 0.32 * blotch + 0.12 * grain);
        const double edge = std::min({x, y, width - x, height - y});
        const double patch = fractalNoise(x / 22.0, y / 22.0, 3.0, 3, 31u);
        const double rust = smoothstep(0.5, 0.62, patch) * (1.0 - smoothstep(3.0, 24.0, edge));
        const Rgb rustColour = mix(rgb255(112, 52, 26), rgb255(170, 88, 40), valueNoise(x / 4.0, y / 4.0, 1.0, 37u));
        return mix(iron, rustColour, rust * 0.85);
    }, QColor(58, 58, 60));
}

// A plain, evenly lit grey sheet with no tint and no strong shine: any grey metal at all.
void drawPlainMetal(QPainter& painter, const QRectF& area)
{
    const double height = area.height() - sheetThickness;
    drawSheet(painter, area, [height](double x, double y) {
        const double fall = y / height;
        const double level = 0.79 - 0.12 * fall + 0.03 * brushStreak(x, y, 43u);
        return Rgb{level, level, level + 0.01};
    }, QColor(128, 130, 134));
}

// A moulded piece of bright plastic: thick rounded edges, a recessed panel and a glossy shine
// no metal sheet has.
void drawPlastic(QPainter& painter, const QRectF& area)
{
    const QRectF piece = area.adjusted(6.0, 10.0, -6.0, -10.0);
    const double radius = 26.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(dropShadow);
    painter.drawRoundedRect(piece.translated(4.0, 6.0), radius, radius);

    QLinearGradient body(0.0, piece.top(), 0.0, piece.bottom());
    body.setColorAt(0.0, QColor(96, 236, 110));
    body.setColorAt(0.25, QColor(10, 200, 58));
    body.setColorAt(1.0, QColor(0, 124, 36));
    painter.setPen(QPen(QColor(8, 92, 32), 1.5));
    painter.setBrush(body);
    painter.drawRoundedRect(piece, radius, radius);

    // The recessed panel: shadowed along its top, catching light along its bottom.
    const QRectF panel = piece.adjusted(18.0, 18.0, -18.0, -18.0);
    QLinearGradient recess(0.0, panel.top(), 0.0, panel.bottom());
    recess.setColorAt(0.0, QColor(0, 128, 40));
    recess.setColorAt(0.15, QColor(8, 180, 54));
    recess.setColorAt(0.9, QColor(12, 202, 62));
    recess.setColorAt(1.0, QColor(104, 236, 118));
    painter.setPen(Qt::NoPen);
    painter.setBrush(recess);
    painter.drawRoundedRect(panel, radius * 0.5, radius * 0.5);

    // Gloss: a broad soft shine over the upper part, as on any glossy moulding, and a sharp
    // spot of light.
    const QRectF shine(piece.left() + 8.0, piece.top() + 5.0, piece.width() - 16.0, piece.height() * 0.42);
    QLinearGradient gloss(0.0, shine.top(), 0.0, shine.bottom());
    gloss.setColorAt(0.0, QColor(255, 255, 255, 190));
    gloss.setColorAt(1.0, QColor(255, 255, 255, 10));
    painter.setBrush(gloss);
    painter.drawRoundedRect(shine, radius - 6.0, radius - 6.0);
    const QPointF glint = piece.topLeft() + QPointF(34.0, 20.0);
    QRadialGradient spot(glint, 10.0);
    spot.setColorAt(0.0, QColor(255, 255, 255, 255));
    spot.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(spot);
    painter.drawEllipse(glint, 10.0, 10.0);
}

// A mirror: a pale pane in a wooden frame with streaks of reflected light across it.
void drawMirror(QPainter& painter, const QRectF& area)
{
    const QRectF frame = area.adjusted(4.0, 0.0, -4.0, 0.0);
    painter.setPen(Qt::NoPen);
    painter.setBrush(dropShadow);
    painter.drawRoundedRect(frame.translated(4.0, 5.0), 6.0, 6.0);
    QLinearGradient wood(frame.topLeft(), frame.bottomRight());
    wood.setColorAt(0.0, QColor(150, 98, 54));
    wood.setColorAt(1.0, QColor(92, 54, 26));
    painter.setPen(QPen(QColor(60, 34, 16), 1.5));
    painter.setBrush(wood);
    painter.drawRoundedRect(frame, 6.0, 6.0);
    // The frame's mitred corners.
    const QRectF inner = frame.adjusted(13.0, 13.0, -13.0, -13.0);
    painter.setPen(QPen(QColor(70, 40, 18, 160), 1.0));
    painter.drawLine(frame.topLeft(), inner.topLeft());
    painter.drawLine(frame.topRight(), inner.topRight());
    painter.drawLine(frame.bottomLeft(), inner.bottomLeft());
    painter.drawLine(frame.bottomRight(), inner.bottomRight());

    const QRectF& pane = inner;
    QLinearGradient glass(pane.topLeft(), pane.bottomRight());
    glass.setColorAt(0.0, QColor(236, 246, 252));
    glass.setColorAt(0.55, QColor(206, 224, 238));
    glass.setColorAt(1.0, QColor(178, 200, 220));
    painter.setPen(QPen(QColor(140, 150, 165), 1.0));
    painter.setBrush(glass);
    painter.drawRect(pane);

    painter.save();
    painter.setClipRect(pane);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    const auto streak = [&](double start, double width) {
        const double rise = pane.height();
        painter.drawPolygon(QPolygonF({QPointF(start, pane.bottom()), QPointF(start + rise, pane.top()),
                                       QPointF(start + rise + width, pane.top()), QPointF(start + width, pane.bottom())}));
    };
    streak(pane.left() + 10.0, 26.0);
    streak(pane.left() + 46.0, 9.0);
    streak(pane.left() + 124.0, 14.0);
    painter.restore();
}

}  // namespace

void drawMaterialSample(QPainter& painter, const QRectF& area, MaterialSample material)
{
    painter.save();
    switch (material) {
    case MaterialSample::Copper:
        drawCopper(painter, area);
        break;
    case MaterialSample::Iron:
        drawIron(painter, area);
        break;
    case MaterialSample::PlainMetal:
        drawPlainMetal(painter, area);
        break;
    case MaterialSample::Plastic:
        drawPlastic(painter, area);
        break;
    case MaterialSample::Mirror:
        drawMirror(painter, area);
        break;
    }
    painter.restore();
}

}  // namespace lumenary::artwork
