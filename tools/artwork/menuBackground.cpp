#include "menuBackground.h"
#include "pictureCanvas.h"

#include "starField.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <numbers>

namespace lumenary::artwork {

namespace {

// The motif colour: a pale blue only slightly lighter than the background, so yellow text
// crossing it keeps its contrast.
QColor motif(int alpha) { return QColor(150, 200, 255, alpha); }

void drawOrbits(QPainter& painter, QSizeF size)
{
    painter.save();
    painter.translate(size.width() * 0.5, size.height() * 0.56);
    painter.rotate(-8.0);
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= 6; ++ring) {
        const double rx = 95.0 + ring * 92.0;
        const double ry = rx * 0.34;
        painter.setPen(QPen(motif(22), 1.4));
        painter.drawEllipse(QPointF(0, 0), rx, ry);

        // A small planet on each orbit, spread round so they do not line up.
        const double angle = ring * 2.4;
        painter.setPen(Qt::NoPen);
        painter.setBrush(motif(34));
        const double planetRadius = 3.0 + (ring % 3) * 1.5;
        painter.drawEllipse(QPointF(rx * std::cos(angle), ry * std::sin(angle)), planetRadius, planetRadius);
        painter.setBrush(Qt::NoBrush);
    }
    painter.restore();
}

void drawWaves(QPainter& painter, QSizeF size)
{
    painter.save();
    painter.setBrush(Qt::NoBrush);
    for (int wave = 0; wave < 3; ++wave) {
        QPainterPath path;
        const double baseline = size.height() - 70.0 + wave * 18.0;
        const double wavelength = 160.0 + wave * 40.0;
        for (double x = 0.0; x <= size.width(); x += 4.0) {
            const double y = baseline + 10.0 * std::sin(2.0 * std::numbers::pi * x / wavelength + wave);
            if (x == 0.0)
                path.moveTo(x, y);
            else
                path.lineTo(x, y);
        }
        painter.setPen(QPen(motif(26 - wave * 5), 2.0));
        painter.drawPath(path);
    }
    painter.restore();
}

}  // namespace

QImage drawMenuBackground(QSize size)
{
    QImage image = newPicture(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QSizeF area(size);

    QLinearGradient sky(0, 0, 0, area.height());
    sky.setColorAt(0.0, QColor(14, 40, 96));
    sky.setColorAt(0.5, QColor(26, 76, 148));
    sky.setColorAt(1.0, QColor(16, 48, 108));
    painter.fillRect(image.rect(), sky);

    // A soft brighter patch, as if lit by a distant sun beyond the upper left.
    QRadialGradient glow(QPointF(area.width() * 0.2, area.height() * 0.2), area.width() * 0.6);
    glow.setColorAt(0.0, QColor(70, 130, 210, 40));
    glow.setColorAt(1.0, QColor(70, 130, 210, 0));
    painter.fillRect(image.rect(), glow);

    // A darker band behind the title gives it a quiet frame.
    QLinearGradient band(0, 0, 0, 110);
    band.setColorAt(0.0, QColor(0, 10, 40, 90));
    band.setColorAt(0.55, QColor(0, 10, 40, 55));
    band.setColorAt(1.0, QColor(0, 10, 40, 0));
    painter.fillRect(QRectF(0, 0, area.width(), 110), band);

    drawStars(painter, QRectF(QPointF(0, 0), area), 160, 7, 38);
    drawOrbits(painter, area);
    drawWaves(painter, area);

    // The main menu's publisher notice is dark grey, unreadable on deep blue: a pale plaque
    // beneath its box (480, 550, 266 x 21) gives the text a contrast above 6:1.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(196, 210, 230));
    painter.drawRoundedRect(QRectF(480, 550, 266, 21).adjusted(-8, -4, 8, 4), 6, 6);
    return image;
}

}  // namespace lumenary::artwork
