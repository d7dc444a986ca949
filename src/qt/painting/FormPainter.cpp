#include "qt/painting/FormPainter.h"

#include "qt/painting/Bevels.h"
#include "qt/painting/FocusRing.h"
#include "qt/pictures/PictureVariants.h"
#include "qt/painting/QtFonts.h"
#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/Form.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Frame.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"

#include <QGuiApplication>
#include <QPaintDevice>
#include <QPainter>
#include <QPalette>
#include <QRegion>

#include <algorithm>
#include <cmath>

namespace lumenary {

namespace {

constexpr int edgeRings = 2;  // a sunken or raised edge is two rings deep
const QColor disabledText(128, 128, 128);

QColor toQColor(const Color& c) { return QColor(c.r, c.g, c.b); }

Qt::Alignment toQtAlignment(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right: return Qt::AlignRight;
        case Alignment::Center: return Qt::AlignHCenter;
        case Alignment::Left: break;
    }
    return Qt::AlignLeft;
}

}  // namespace

FormPainter::FormPainter(QPainter& painter, const TwipsMapping& mapping, PictureVariants* variants)
    : painter_(painter), mapping_(mapping), variants_(variants) {}

int FormPainter::edgePixels() const { return std::max(1, static_cast<int>(std::lround(mapping_.scale))); }

QRect FormPainter::pixelRect(const TwipsMapping& mapping, const TwipsRect& box) {
    const int x0 = mapping.toPixelX(box.left);
    const int y0 = mapping.toPixelY(box.top);
    return QRect(x0, y0, mapping.toPixelX(box.left + box.width) - x0, mapping.toPixelY(box.top + box.height) - y0);
}

QRect FormPainter::naturalRect(const Picture& picture, int left, int top) const {
    return {left, top, static_cast<int>(std::lround(picture.width() * mapping_.scale)),
            static_cast<int>(std::lround(picture.height() * mapping_.scale))};
}

void FormPainter::drawPicture(const Picture& picture, int left, int top) {
    drawPicture(picture, naturalRect(picture, left, top));
}

void FormPainter::drawPicture(const Picture& picture, const QRect& target) {
    QImage source = asQImage(picture);
    if (source.isNull()) return;
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

// Text is laid out in the box at the design size and drawn through the scale, so a caption
// breaks into the same lines on a projector as in the window, with glyphs rendered at the
// scaled size. Wine's Tahoma Bold, our stand-in for Tahoma Bold, has Tahoma Bold's widths but
// strokes barely heavier than the regular face; a second pass one design pixel to the right
// gives it the weight a projector needs without changing where any line breaks.
void FormPainter::drawText(const Font& font, const QRect& box, int flags, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    const double scale = mapping_.scale;
    painter_.save();
    painter_.setFont(toQFont(font));
    painter_.translate(box.topLeft());
    if (scale != 1.0) painter_.scale(scale, scale);
    const QRectF designBox(0, 0, box.width() / scale, box.height() / scale);
    painter_.drawText(designBox, flags, shown);
    if (font.Bold && font.Name == "Tahoma") painter_.drawText(designBox.translated(1, 0), flags, shown);
    painter_.restore();
}

QRegion FormPainter::changedArea(const FormChanges::Changes& changes, const TwipsMapping& mapping) {
    if (changes.everything) return QRect(0, 0, 1 << 16, 1 << 16);
    // A focus ring reaches out around its control, and smoothing a pixel further.
    const int reach = focusRing::reach(mapping) + 1;
    QRegion area;
    for (const TwipsRect& box : changes.boxes) area += pixelRect(mapping, box).adjusted(-reach, -reach, reach, reach);
    return area;
}

QRect FormPainter::clientRect(const Form& form) const {
    const TwipsSize client = form.clientSize();
    return pixelRect(mapping_, {0, 0, client.Width, client.Height});
}

// Only the margins: the screen is painted over everything else.
void FormPainter::paintMargins(const Form& form, const QRect& window) {
    for (const QRect& margin : QRegion(window).subtracted(clientRect(form))) painter_.fillRect(margin, Qt::black);
}

void FormPainter::paint(const Form& form, const QRegion& area) {
    const QRect client = clientRect(form);
    painter_.save();
    // Nothing reaches beyond the client area: not a background picture wider than the screen.
    painter_.setClipRect(client, Qt::IntersectClip);
    const QRect background = naturalRect(form.Picture, mapping_.toPixelX(0), mapping_.toPixelY(0));
    // An opaque background picture covering the client area hides the colour beneath it.
    if (!form.Picture.isOpaque() || !background.contains(client)) painter_.fillRect(client, toQColor(form.BackColor));
    drawPicture(form.Picture, background.left(), background.top());
    for (const Control* control : form.everyControl()) {
        if (!control->isShown()) continue;
        const QRect rect = pixelRect(mapping_, control->absoluteBounds());
        if (!area.isEmpty() && !area.intersects(rect)) continue;
        painter_.save();
        painter_.setClipRect(visibleRect(*control), Qt::IntersectClip);
        paintControl(*control, rect);
        painter_.restore();
    }
    // Over everything, so nothing in front of the focused control hides where the focus is.
    if (const Control* focused = form.focused(); focused && focusRing::showsOn(*focused))
        focusRing::paint(painter_, pixelRect(mapping_, focused->absoluteBounds()), mapping_);
    painter_.restore();
}

QRect FormPainter::visibleRect(const Control& control) const {
    QRect visible = pixelRect(mapping_, control.absoluteBounds());
    for (const Control* frame = control.container(); frame; frame = frame->container())
        visible &= pixelRect(mapping_, frame->absoluteBounds());
    return visible;
}

void FormPainter::paintControl(const Control& control, const QRect& rect) {
    const int ring = edgePixels();
    const int edge = edgeRings * ring;
    switch (control.kind()) {
        case ControlKind::Label: {
            const auto& label = static_cast<const Label&>(control);
            if (label.BackStyle == backStyle::opaque) painter_.fillRect(rect, toQColor(label.BackColor));
            QRect textArea = rect;
            if (label.BorderStyle) {
                bevels::sunken(painter_, rect, ring);
                textArea = rect.adjusted(edge, edge, -edge, -edge);
            }
            painter_.setPen(label.Enabled ? toQColor(label.ForeColor) : disabledText);
            drawText(label.Font, textArea,
                     static_cast<int>(toQtAlignment(label.Alignment) | Qt::AlignTop | Qt::TextWordWrap), label.Caption);
            break;
        }
        case ControlKind::Image: {
            const auto& image = static_cast<const Image&>(control);
            if (image.Stretch)
                drawPicture(image.picture(), rect);
            else
                drawPicture(image.picture(), rect.left(), rect.top());
            break;
        }
        case ControlKind::PictureBox: {
            const auto& box = static_cast<const PictureBox&>(control);
            painter_.fillRect(rect, toQColor(box.BackColor));
            bevels::sunken(painter_, rect, ring);
            const QRect inside = rect.adjusted(edge, edge, -edge, -edge);
            painter_.setClipRect(inside, Qt::IntersectClip);
            drawPicture(box.Picture, inside.left(), inside.top());
            break;
        }
        case ControlKind::CommandButton: {
            const auto& button = static_cast<const CommandButton&>(control);
            painter_.fillRect(rect, toQColor(button.BackColor));
            const QRect face = rect.adjusted(edge, edge, -edge, -edge);
            if (!button.Picture.isEmpty()) {
                // The face picture is centred on the button, as a pressed-in picture would be.
                const int width = static_cast<int>(std::lround(button.Picture.width() * mapping_.scale));
                const int height = static_cast<int>(std::lround(button.Picture.height() * mapping_.scale));
                painter_.save();
                painter_.setClipRect(face, Qt::IntersectClip);
                drawPicture(button.Picture, face.center().x() - width / 2 + ring, face.center().y() - height / 2 + ring);
                painter_.restore();
            } else {
                painter_.setPen(button.Enabled ? Qt::black : disabledText);
                drawText(button.Font, face, Qt::AlignCenter, button.Caption);
            }
            bevels::raised(painter_, rect, ring);
            if (control.form().focused() == &control && button.Picture.isEmpty())
                bevels::focusMark(painter_, rect.adjusted(2 * edge, 2 * edge, -2 * edge, -2 * edge), ring);
            break;
        }
        case ControlKind::Frame: {
            const auto& frame = static_cast<const Frame&>(control);
            painter_.fillRect(rect, frame.BackColor ? toQColor(*frame.BackColor) : QGuiApplication::palette().color(QPalette::Window));
            // A frame without a caption draws its edge where a caption's middle would be.
            bevels::etched(painter_, rect.adjusted(0, mapping_.toPixels(90), 0, 0), ring);
            break;
        }
    }
}

}  // namespace lumenary
