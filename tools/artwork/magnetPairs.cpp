#include "magnetPairs.h"
#include "pictureCanvas.h"

#include "barMagnet.h"
#include "pictureCard.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace lumenary::artwork {

namespace {

// How each picture places its magnets: in a row or one above the other, and the north end of
// the first (left or upper) and second magnet. The facing poles vary from picture to picture,
// and so do the order and arrangement, so pupils have to read the poles to answer.
struct MagnetPairLayout {
    bool stacked;
    NorthEnd first;
    NorthEnd second;
};

constexpr MagnetPairLayout layouts[] = {
    {false, NorthEnd::Right, NorthEnd::Right},   // S N   S N: north faces south
    {false, NorthEnd::Left, NorthEnd::Left},     // N S   N S: south faces north
    {false, NorthEnd::Right, NorthEnd::Left},    // S N   N S: north faces north
    {false, NorthEnd::Left, NorthEnd::Right},    // N S   S N: south faces south
    {true, NorthEnd::Top, NorthEnd::Bottom},     // south above south
    {false, NorthEnd::Right, NorthEnd::Left},    // north faces north
    {true, NorthEnd::Bottom, NorthEnd::Bottom},  // north above south
    {false, NorthEnd::Left, NorthEnd::Left},     // south faces north
};

}  // namespace

QImage drawMagnetPair(QSize size, int pictureIndex)
{
    const MagnetPairLayout& layout = layouts[std::clamp(pictureIndex, 1, int(std::size(layouts))) - 1];

    QImage image = newPicture(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawPictureCard(painter, size);

    // Along the line of the magnets: a margin, a magnet, the gap, a magnet, a margin. The gap
    // is wide enough to see at once that the magnets do not touch.
    const double along = layout.stacked ? size.height() : size.width();
    const double across = layout.stacked ? size.width() : size.height();
    const double margin = std::max(8.0, along * 0.045);
    const double gap = along * (layout.stacked ? 0.09 : 0.105);
    const double length = (along - 2.0 * margin - gap) / 2.0;
    // Magnets standing on end are short here, so they are drawn stouter to keep their letters large.
    const double thickness = layout.stacked ? 56.0 : std::min(across * 0.56, 48.0);
    const double side = (across - thickness) / 2.0;
    const auto bar = [&](double start) {
        return layout.stacked ? QRectF(side, start, thickness, length) : QRectF(start, side, length, thickness);
    };
    drawBarMagnet(painter, bar(margin), layout.first);
    drawBarMagnet(painter, bar(margin + length + gap), layout.second);
    return image;
}

}  // namespace lumenary::artwork
