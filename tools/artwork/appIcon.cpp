#include "appIcon.h"

#include "barMagnet.h"

#include <QDir>
#include <QImage>
#include <QPainterPath>
#include <QRadialGradient>
#include <QSvgGenerator>

namespace lumenary::artwork {

void paintApplicationIcon(QPainter& painter, double side)
{
    painter.save();
    painter.scale(side / 256.0, side / 256.0);  // drawn on a 256-unit grid
    painter.setRenderHint(QPainter::Antialiasing);

    QRadialGradient night(QPointF(96, 72), 240);
    night.setColorAt(0, QColor(64, 98, 190));
    night.setColorAt(1, QColor(22, 36, 92));
    painter.setPen(QPen(QColor(240, 240, 250), 6));
    painter.setBrush(night);
    painter.drawRoundedRect(QRectF(10, 10, 236, 236), 44, 44);

    // A crescent Moon: the lit disc less a disc shifted towards the dark side.
    QPainterPath disc;
    disc.addEllipse(QPointF(118, 104), 70, 70);
    QPainterPath shadow;
    shadow.addEllipse(QPointF(150, 82), 62, 62);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 228, 80));
    painter.drawPath(disc.subtracted(shadow));

    drawBarMagnet(painter, QRectF(40, 182, 176, 44), NorthEnd::Left);
    painter.restore();
}

QStringList writeApplicationIcons(const QString& themeFolder)
{
    QStringList failures;
    const QDir root(themeFolder);
    for (int pixels : {48, 64, 128, 256}) {
        const QString folder = QStringLiteral("hicolor/%1x%1/apps").arg(pixels);
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        paintApplicationIcon(painter, pixels);
        painter.end();
        const QString path = root.filePath(folder + "/" + applicationId + ".png");
        if (!root.mkpath(folder) || !image.save(path, "png"))
            failures << path;
    }

    const QString folder = QStringLiteral("hicolor/scalable/apps");
    const QString path = root.filePath(folder + "/" + applicationId + ".svg");
    if (!root.mkpath(folder)) return failures << path;
    QSvgGenerator svg;
    svg.setFileName(path);
    svg.setSize(QSize(256, 256));
    svg.setViewBox(QRect(0, 0, 256, 256));
    svg.setTitle(QStringLiteral("Lumenary"));
    QPainter painter;
    if (!painter.begin(&svg)) return failures << path;
    paintApplicationIcon(painter, 256);
    painter.end();
    return failures;
}

}  // namespace lumenary::artwork
