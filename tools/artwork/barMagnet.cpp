#include "barMagnet.h"

#include "artworkFonts.h"
#include "heavyText.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

namespace lumenary::artwork {

namespace {

// Light, body and shadow shades of one pole's paint.
struct PolePaint {
    QColor light;
    QColor body;
    QColor shadow;
    QString letter;
};

const PolePaint northPaint{QColor(242, 78, 78), QColor(208, 26, 34), QColor(132, 10, 18), QStringLiteral("N")};
const PolePaint southPaint{QColor(72, 124, 238), QColor(28, 78, 198), QColor(14, 42, 128), QStringLiteral("S")};

void drawPoleHalf(QPainter& painter, const QRectF& half, const PolePaint& paint, bool lying, double thickness)
{
    // Shaded across the bar's thickness so it reads as a solid block lit from above left.
    QLinearGradient shade = lying ? QLinearGradient(0.0, half.top(), 0.0, half.bottom())
                                  : QLinearGradient(half.left(), 0.0, half.right(), 0.0);
    shade.setColorAt(0.0, paint.light);
    shade.setColorAt(0.3, paint.body);
    shade.setColorAt(0.8, paint.body);
    shade.setColorAt(1.0, paint.shadow);
    painter.fillRect(half, shade);

    const double length = lying ? half.width() : half.height();
    const QFont font = interfaceFont(int(std::lround(std::min(thickness * 0.64, length * 0.7))), true);
    const QRectF inked = QFontMetricsF(font).tightBoundingRect(paint.letter);
    const QPointF baseline(std::round(half.center().x() - inked.center().x()), std::round(half.center().y() - inked.center().y()));
    drawHeavyText(painter, baseline + QPointF(1.0, 1.5), font, paint.letter, paint.shadow, 1.4);
    drawHeavyText(painter, baseline, font, paint.letter, Qt::white, 1.4);
}

}  // namespace

void drawBarMagnet(QPainter& painter, const QRectF& bar, NorthEnd north)
{
    const bool lying = bar.width() > bar.height();
    const double thickness = lying ? bar.height() : bar.width();
    const double corner = thickness * 0.08;

    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 30, 60, 50));
    painter.drawRoundedRect(bar.translated(2.5, 3.0), corner, corner);

    QPainterPath outline;
    outline.addRoundedRect(bar, corner, corner);
    painter.setClipPath(outline);
    const QRectF first = lying ? QRectF(bar.left(), bar.top(), bar.width() / 2.0, bar.height())
                               : QRectF(bar.left(), bar.top(), bar.width(), bar.height() / 2.0);
    const QRectF second = lying ? first.translated(bar.width() / 2.0, 0.0) : first.translated(0.0, bar.height() / 2.0);
    const bool northFirst = north == NorthEnd::Left || north == NorthEnd::Top;
    drawPoleHalf(painter, first, northFirst ? northPaint : southPaint, lying, thickness);
    drawPoleHalf(painter, second, northFirst ? southPaint : northPaint, lying, thickness);
    painter.setClipping(false);

    painter.setPen(QPen(QColor(24, 26, 36), 1.5));
    painter.drawLine(lying ? QLineF(second.topLeft(), second.bottomLeft()) : QLineF(second.topLeft(), second.topRight()));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(outline);
    painter.restore();
}

}  // namespace lumenary::artwork
