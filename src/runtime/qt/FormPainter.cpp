#include "FormPainter.h"

#include "Bevels.h"
#include "QtFonts.h"
#include "QtPictureDecoder.h"
#include "runtime/Form.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Frame.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

namespace lumenary {

namespace {

constexpr int edge = 2;  // width of a sunken or raised edge, in pixels
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

// Draws text in its box. Wine's Tahoma Bold, our stand-in for Tahoma Bold, has Tahoma Bold's
// widths but strokes barely heavier than the regular face; a second pass one pixel to the right
// gives it the weight a projector needs without changing where any line breaks.
void drawText(QPainter& painter, const Font& font, const QRect& box, int flags, const std::string& text) {
    const QString shown = QString::fromStdString(text);
    painter.setFont(toQFont(font));
    painter.drawText(box, flags, shown);
    if (font.Bold && font.Name == "Tahoma") painter.drawText(box.translated(1, 0), flags, shown);
}

void paintLabel(QPainter& painter, const Label& label, const QRect& rect) {
    if (label.BackStyle == backStyle::opaque) painter.fillRect(rect, toQColor(label.BackColor));
    QRect textArea = rect;
    if (label.BorderStyle) {
        bevels::sunken(painter, rect);
        textArea = rect.adjusted(edge, edge, -edge, -edge);
    }
    painter.setPen(label.Enabled ? toQColor(label.ForeColor) : disabledText);
    drawText(painter, label.Font, textArea, static_cast<int>(toQtAlignment(label.Alignment) | Qt::AlignTop | Qt::TextWordWrap),
             label.Caption);
}

void paintImage(QPainter& painter, const Image& image, const QRect& rect) {
    const QImage picture = asQImage(image.picture());
    if (picture.isNull()) return;
    if (image.Stretch)
        painter.drawImage(rect, picture);
    else
        painter.drawImage(rect.topLeft(), picture);
}

void paintPictureBox(QPainter& painter, const PictureBox& box, const QRect& rect) {
    painter.fillRect(rect, toQColor(box.BackColor));
    bevels::sunken(painter, rect);
    const QRect inside = rect.adjusted(edge, edge, -edge, -edge);
    painter.setClipRect(inside, Qt::IntersectClip);
    painter.drawImage(inside.topLeft(), asQImage(box.Picture));
}

void paintButton(QPainter& painter, const CommandButton& button, const QRect& rect, bool focused) {
    painter.fillRect(rect, toQColor(button.BackColor));
    const QRect face = rect.adjusted(edge, edge, -edge, -edge);
    if (!button.Picture.isEmpty()) {
        const QImage picture = asQImage(button.Picture);
        painter.save();
        painter.setClipRect(face, Qt::IntersectClip);
        painter.drawImage(face.center() - QPoint(picture.width() / 2 - 1, picture.height() / 2 - 1), picture);
        painter.restore();
    } else {
        painter.setPen(button.Enabled ? Qt::black : disabledText);
        drawText(painter, button.Font, face, Qt::AlignCenter, button.Caption);
    }
    bevels::raised(painter, rect);
    if (focused && button.Picture.isEmpty()) bevels::focusMark(painter, rect.adjusted(4, 4, -4, -4));
}

}  // namespace

QRect FormPainter::pixelRect(Twips left, Twips top, Twips width, Twips height) const {
    const int x0 = mapping_.toPixels(left);
    const int y0 = mapping_.toPixels(top);
    return QRect(x0, y0, mapping_.toPixels(left + width) - x0, mapping_.toPixels(top + height) - y0);
}

void FormPainter::paint(const Form& form) {
    painter_.fillRect(painter_.viewport(), toQColor(form.BackColor));
    painter_.drawImage(QPoint(0, 0), asQImage(form.Picture));
    for (const Control* control : form.stackOf(nullptr)) paintControl(*control, 0, 0);
}

void FormPainter::paintControl(const Control& control, Twips originX, Twips originY) {
    if (!control.Visible) return;
    const QRect rect = pixelRect(originX + control.Left, originY + control.Top, control.Width, control.Height);
    painter_.save();
    painter_.setClipRect(rect, Qt::IntersectClip);
    switch (control.kind()) {
        case ControlKind::Label: paintLabel(painter_, static_cast<const Label&>(control), rect); break;
        case ControlKind::Image: paintImage(painter_, static_cast<const Image&>(control), rect); break;
        case ControlKind::PictureBox: paintPictureBox(painter_, static_cast<const PictureBox&>(control), rect); break;
        case ControlKind::CommandButton:
            paintButton(painter_, static_cast<const CommandButton&>(control), rect, control.form().focused() == &control);
            break;
        case ControlKind::Frame: {
            const auto& frame = static_cast<const Frame&>(control);
            painter_.fillRect(rect, frame.BackColor ? toQColor(*frame.BackColor) : QGuiApplication::palette().color(QPalette::Window));
            // A frame without a caption draws its edge where a caption's middle would be.
            bevels::etched(painter_, rect.adjusted(0, mapping_.toPixels(90), 0, 0));
            for (const Control* child : frame.children())
                paintControl(*child, originX + control.Left, originY + control.Top);
            break;
        }
    }
    painter_.restore();
}

}  // namespace lumenary
