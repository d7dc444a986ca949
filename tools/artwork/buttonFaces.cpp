#include "buttonFaces.h"
#include "pictureCanvas.h"

#include "artworkFonts.h"

#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>

#include <cmath>

namespace lumenary::artwork {

namespace {

// Every button uses the same type size, chosen so the longest word ("Scramble") still fits.
constexpr int wordPixelSize = 19;
constexpr int bevel = 3;

void drawBevel(QPainter& painter, QSize size)
{
    const int w = size.width();
    const int h = size.height();
    const QColor light(150, 195, 255);
    const QColor dark(8, 22, 78);
    for (int i = 0; i < bevel; ++i) {
        const int alpha = 255 - i * 70;
        QColor top = light;
        top.setAlpha(alpha);
        QColor bottom = dark;
        bottom.setAlpha(alpha);
        painter.setPen(top);
        painter.drawLine(i, i, w - 1 - i, i);
        painter.drawLine(i, i, i, h - 1 - i);
        painter.setPen(bottom);
        painter.drawLine(i, h - 1 - i, w - 1 - i, h - 1 - i);
        painter.drawLine(w - 1 - i, i, w - 1 - i, h - 1 - i);
    }
}

}  // namespace

QImage drawButtonFace(QSize size, const QString& word)
{
    QImage image = newPicture(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);

    QLinearGradient face(0, 0, 0, size.height());
    face.setColorAt(0.0, QColor(58, 112, 222));
    face.setColorAt(0.45, QColor(30, 78, 190));
    face.setColorAt(1.0, QColor(18, 50, 140));
    painter.fillRect(image.rect(), face);

    // A soft sheen across the upper half makes the face read as a raised, glossy key.
    QLinearGradient sheen(0, 0, 0, size.height() / 2.0);
    sheen.setColorAt(0.0, QColor(255, 255, 255, 60));
    sheen.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.fillRect(QRect(bevel, bevel, size.width() - 2 * bevel, size.height() / 2 - bevel), sheen);

    drawBevel(painter, size);

    // Centre the inked shape of the word, not its line box, so it sits visually centred.
    const QFont font = interfaceFont(wordPixelSize, true);
    const QRectF ink = QFontMetricsF(font).tightBoundingRect(word);
    const QPointF baseline(std::round((size.width() - ink.width()) / 2.0 - ink.left()),
                           std::round((size.height() - ink.height()) / 2.0 - ink.top()));
    painter.setFont(font);
    painter.setPen(QColor(5, 15, 60));
    painter.drawText(baseline + QPointF(1.0, 1.0), word);
    painter.setPen(Qt::white);
    painter.drawText(baseline, word);
    return image;
}

}  // namespace lumenary::artwork
