#include "qt/painting/QtSurface.h"

#include "qt/painting/QtFonts.h"
#include "qt/pictures/PictureVariants.h"
#include "qt/pictures/QtPictureDecoder.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>

namespace lumenary {

namespace {

QColor toQColor(const Color& c) { return QColor(c.r, c.g, c.b); }

Qt::Alignment toQtAlignment(TextAlign align) {
    switch (align) {
        case TextAlign::Right: return Qt::AlignRight;
        case TextAlign::Center: return Qt::AlignHCenter;
        case TextAlign::Left: break;
    }
    return Qt::AlignLeft;
}

}  // namespace

void QtSurface::save() { painter_.save(); }
void QtSurface::restore() { painter_.restore(); }
void QtSurface::clip(const PixelRect& rect) { painter_.setClipRect(toQRect(rect), Qt::IntersectClip); }
void QtSurface::fill(const PixelRect& rect, const Color& colour) { painter_.fillRect(toQRect(rect), toQColor(colour)); }

void QtSurface::dottedOutline(const PixelRect& rect, int thickness, const Color& colour) {
    painter_.save();
    painter_.setPen(QPen(toQColor(colour), thickness, Qt::DotLine));
    painter_.setBrush(Qt::NoBrush);
    painter_.drawRect(toQRect(rect.adjusted(0, 0, -thickness, -thickness)));
    painter_.restore();
}

void QtSurface::text(const Font& font, const Color& colour, const PixelRect& box, double scale, TextAlign align, bool middle,
                     bool nudge, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    const int flags = static_cast<int>(toQtAlignment(align) | (middle ? Qt::AlignVCenter : Qt::AlignTop | Qt::TextWordWrap));
    painter_.save();
    painter_.setPen(toQColor(colour));
    painter_.setFont(toQFont(font));
    painter_.translate(box.x, box.y);
    if (scale != 1.0) painter_.scale(scale, scale);
    const QRectF designBox(0, 0, box.width / scale, box.height / scale);
    painter_.drawText(designBox, flags, shown);
    if (nudge) painter_.drawText(designBox.translated(1, 0), flags, shown);
    painter_.restore();
}

void QtSurface::picture(const Picture& picture, const PixelRect& targetPixels) {
    QImage source = asQImage(picture);
    if (source.isNull()) return;
    const QRect target = toQRect(targetPixels);
    const double deviceRatio = painter_.device()->devicePixelRatioF();
    if (target.width() * deviceRatio > source.width() && variants_) {
        const QImage sharper = variants_->sharpest(picture, (QSizeF(target.size()) * deviceRatio).toSize());
        if (!sharper.isNull()) source = sharper;
    }
    if (target.size() == source.size()) {
        painter_.drawImage(target.topLeft(), source);
        return;
    }
    painter_.save();
    painter_.setRenderHint(QPainter::SmoothPixmapTransform);
    painter_.drawImage(target, source);
    painter_.restore();
}

QRegion QtSurface::toQRegion(const std::vector<PixelRect>& rects) {
    QRegion region;
    for (const PixelRect& r : rects) region += toQRect(r);
    return region;
}

}  // namespace lumenary
