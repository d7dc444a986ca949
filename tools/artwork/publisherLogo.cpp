#include "publisherLogo.h"
#include "pictureCanvas.h"

#include "artworkFonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace lumenary::artwork {

namespace {

const QColor gold(232, 190, 86);
const QColor navy(12, 30, 72);
const QColor cream(250, 243, 222);

void drawOpenBook(QPainter& painter, QPointF spine, double halfWidth)
{
    const double height = halfWidth * 0.62;
    for (int side : {-1, 1}) {
        QPainterPath page;
        page.moveTo(spine);
        page.cubicTo(spine + QPointF(side * halfWidth * 0.4, -height * 0.35), spine + QPointF(side * halfWidth * 0.7, -height * 0.25),
                     spine + QPointF(side * halfWidth, -height * 0.1));
        page.lineTo(spine + QPointF(side * halfWidth, height * 0.55));
        page.cubicTo(spine + QPointF(side * halfWidth * 0.7, height * 0.4), spine + QPointF(side * halfWidth * 0.4, height * 0.45),
                     spine + QPointF(0, height * 0.7));
        page.closeSubpath();
        painter.setPen(QPen(gold, 1.2));
        painter.setBrush(cream);
        painter.drawPath(page);
        // Lines of print across each page.
        painter.setPen(QPen(QColor(150, 140, 120), 0.8));
        for (int line = 1; line <= 3; ++line) {
            const double y = -height * 0.15 + line * height * 0.15;
            painter.drawLine(spine + QPointF(side * halfWidth * 0.2, y), spine + QPointF(side * halfWidth * 0.8, y));
        }
    }
}

void drawFlame(QPainter& painter, QPointF base, double height)
{
    QRadialGradient halo(base - QPointF(0, height * 0.5), height * 0.9);
    halo.setColorAt(0.0, QColor(255, 220, 120, 150));
    halo.setColorAt(1.0, QColor(255, 220, 120, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(halo);
    painter.drawEllipse(base - QPointF(0, height * 0.5), height * 0.9, height * 0.9);

    QPainterPath flame;
    const double w = height * 0.32;
    flame.moveTo(base + QPointF(0, 0));
    flame.cubicTo(base + QPointF(-w * 1.3, -height * 0.2), base + QPointF(-w * 0.4, -height * 0.6), base + QPointF(0, -height));
    flame.cubicTo(base + QPointF(w * 0.4, -height * 0.6), base + QPointF(w * 1.3, -height * 0.2), base);
    QLinearGradient fire(base, base - QPointF(0, height));
    fire.setColorAt(0.0, QColor(255, 120, 20));
    fire.setColorAt(0.5, QColor(255, 200, 40));
    fire.setColorAt(1.0, QColor(255, 250, 200));
    painter.setBrush(fire);
    painter.drawPath(flame);
}

// The largest type size up to maxPixels at which the text fits the width.
QFont fittedSerifFont(const QString& text, double width, int maxPixels)
{
    QFont font = serifFont(maxPixels, true);
    for (int pixels = maxPixels; pixels > 6 && QFontMetricsF(font).horizontalAdvance(text) > width; --pixels)
        font = serifFont(pixels - 1, true);
    return font;
}

void drawCentredText(QPainter& painter, const QString& text, const QFont& font, double centreX, double baseline, const QColor& colour)
{
    const QFontMetricsF metrics(font);
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(QPointF(centreX - metrics.horizontalAdvance(text) / 2.0, baseline), text);
}

}  // namespace

QImage drawPublisherLogo(QSize size)
{
    QImage image = newPicture(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const double w = size.width();
    const double h = size.height();

    QLinearGradient plate(0, 0, 0, h);
    plate.setColorAt(0.0, QColor(22, 48, 104));
    plate.setColorAt(1.0, navy);
    painter.fillRect(image.rect(), plate);
    painter.setPen(QPen(gold, 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(3, 3, w - 6, h - 6), 6, 6);

    const QPointF emblem(w / 2.0, w * 0.46);
    const double ring = w * 0.34;
    QRadialGradient disc(emblem - QPointF(ring * 0.3, ring * 0.3), ring * 1.3);
    disc.setColorAt(0.0, QColor(52, 100, 180));
    disc.setColorAt(1.0, QColor(20, 50, 110));
    painter.setBrush(disc);
    painter.setPen(QPen(gold, 2.5));
    painter.drawEllipse(emblem, ring, ring);

    drawOpenBook(painter, emblem + QPointF(0, ring * 0.45), ring * 0.72);
    drawFlame(painter, emblem + QPointF(0, ring * 0.05), ring * 0.72);

    drawCentredText(painter, QStringLiteral("Corbelwick"), fittedSerifFont(QStringLiteral("Corbelwick"), w - 14, 18), w / 2.0, h * 0.80, cream);
    QFont motto = interfaceFont(9, true);
    motto.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    drawCentredText(painter, QStringLiteral("LEARNING"), motto, w / 2.0, h * 0.91, gold);
    return image;
}

}  // namespace lumenary::artwork
