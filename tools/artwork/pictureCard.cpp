#include "pictureCard.h"

#include <QLinearGradient>

namespace lumenary::artwork {

void drawPictureCard(QPainter& painter, QSize size)
{
    // Off-white rather than white, which glares on a projector; a faint fall-off towards the
    // bottom keeps large cards from looking flat.
    QLinearGradient card(0, 0, 0, size.height());
    card.setColorAt(0.0, QColor(246, 247, 250));
    card.setColorAt(1.0, QColor(232, 235, 241));
    painter.fillRect(QRect(QPoint(0, 0), size), card);

    // A thin edge so the card reads as a card wherever it sits on the screen.
    painter.setPen(QPen(QColor(150, 162, 186), 2.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(1.0, 1.0, size.width() - 2.0, size.height() - 2.0));
}

}  // namespace lumenary::artwork
