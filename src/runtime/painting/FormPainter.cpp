#include "runtime/painting/FormPainter.h"

#include "runtime/Form.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Frame.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"
#include "runtime/painting/Bevels.h"
#include "runtime/painting/FocusRing.h"

#include <algorithm>
#include <cmath>

namespace lumenary {

namespace {

constexpr int edgeRings = 2;  // a sunken or raised edge is two rings deep
constexpr Color disabledText{128, 128, 128};
// The window colour of the desktop's style, for a frame without a colour of its own.
constexpr Color frameColour{239, 239, 239};

TextAlign textAlignOf(Alignment alignment) {
    switch (alignment) {
        case Alignment::Right: return TextAlign::Right;
        case Alignment::Center: return TextAlign::Center;
        case Alignment::Left: break;
    }
    return TextAlign::Left;
}

// A box of the given size about the middle pixel of `r` (the upper-left one of two).
PixelRect centred(const PixelRect& r, int width, int height) {
    return {(2 * r.x + r.width - 1) / 2 - width / 2, (2 * r.y + r.height - 1) / 2 - height / 2, width, height};
}

}  // namespace

FormPainter::FormPainter(Surface& surface, const TwipsMapping& mapping) : surface_(surface), mapping_(mapping) {}

int FormPainter::edgePixels() const { return std::max(1, static_cast<int>(std::lround(mapping_.scale))); }

PixelRect FormPainter::pixelRect(const TwipsMapping& mapping, const TwipsRect& box) {
    const int x0 = mapping.toPixelX(box.left);
    const int y0 = mapping.toPixelY(box.top);
    return {x0, y0, mapping.toPixelX(box.left + box.width) - x0, mapping.toPixelY(box.top + box.height) - y0};
}

PixelRect FormPainter::naturalRect(const Picture& picture, int left, int top) const {
    return {left, top, static_cast<int>(std::lround(picture.width() * mapping_.scale)),
            static_cast<int>(std::lround(picture.height() * mapping_.scale))};
}

// Wine's Tahoma Bold, our stand-in for Tahoma Bold, has Tahoma Bold's widths but strokes barely
// heavier than the regular face; a second pass one design pixel to the right gives it the
// weight a projector needs without changing where any line breaks.
void FormPainter::drawText(const Font& font, const Color& colour, const PixelRect& box, TextAlign align, bool middle,
                           const std::string& text) {
    surface_.text(font, colour, box, mapping_.scale, align, middle, font.Bold && font.Name == "Tahoma", text);
}

std::vector<PixelRect> FormPainter::changedArea(const FormChanges::Changes& changes, const TwipsMapping& mapping) {
    if (changes.everything) return {{0, 0, 1 << 16, 1 << 16}};
    // A focus ring reaches out around its control, and smoothing a pixel further.
    const int reach = focusRing::reach(mapping) + 1;
    std::vector<PixelRect> area;
    for (const TwipsRect& box : changes.boxes) area.push_back(pixelRect(mapping, box).adjusted(-reach, -reach, reach, reach));
    return area;
}

PixelRect FormPainter::clientRect(const Form& form) const {
    const TwipsSize client = form.clientSize();
    return pixelRect(mapping_, {0, 0, client.Width, client.Height});
}

void FormPainter::paintMargins(const Form& form, int deviceWidth, int deviceHeight) {
    const PixelRect client = clientRect(form);
    surface_.fill({0, 0, deviceWidth, client.y}, colors::black);
    surface_.fill({0, client.bottom(), deviceWidth, deviceHeight - client.bottom()}, colors::black);
    surface_.fill({0, client.y, client.x, client.height}, colors::black);
    surface_.fill({client.right(), client.y, deviceWidth - client.right(), client.height}, colors::black);
}

void FormPainter::paint(const Form& form, const PixelRect* area) {
    const PixelRect client = area ? clientRect(form).intersected(*area) : clientRect(form);
    if (client.isEmpty()) return;
    surface_.save();
    // Nothing reaches beyond the client area (or the area repainted): not a background picture
    // wider than the screen.
    surface_.clip(client);
    const PixelRect background = naturalRect(form.Picture, mapping_.toPixelX(0), mapping_.toPixelY(0));
    // An opaque background picture covering the client area hides the colour beneath it.
    if (!form.Picture.isOpaque() || !background.contains(client)) surface_.fill(client, form.BackColor);
    if (!form.Picture.isEmpty()) surface_.picture(form.Picture, background);
    for (const Control* control : form.everyControl()) {
        if (!control->isShown()) continue;
        const PixelRect rect = pixelRect(mapping_, control->absoluteBounds());
        if (!rect.intersects(client)) continue;
        surface_.save();
        surface_.clip(visibleRect(*control));
        paintControl(*control, rect);
        surface_.restore();
    }
    // Over everything, so nothing in front of the focused control hides where the focus is.
    if (const Control* focused = form.focused(); focused && focusRing::showsOn(*focused))
        focusRing::paint(surface_, pixelRect(mapping_, focused->absoluteBounds()), mapping_);
    surface_.restore();
}

PixelRect FormPainter::visibleRect(const Control& control) const {
    PixelRect visible = pixelRect(mapping_, control.absoluteBounds());
    for (const Control* frame = control.container(); frame; frame = frame->container())
        visible = visible.intersected(pixelRect(mapping_, frame->absoluteBounds()));
    return visible;
}

void FormPainter::paintControl(const Control& control, const PixelRect& rect) {
    const int ring = edgePixels();
    const int edge = edgeRings * ring;
    switch (control.kind()) {
        case ControlKind::Label: {
            const auto& label = static_cast<const Label&>(control);
            if (label.BackStyle == backStyle::opaque) surface_.fill(rect, label.BackColor);
            PixelRect textArea = rect;
            if (label.BorderStyle) {
                bevels::sunken(surface_, rect, ring);
                textArea = rect.adjusted(edge, edge, -edge, -edge);
            }
            drawText(label.Font, label.Enabled ? label.ForeColor : disabledText, textArea, textAlignOf(label.Alignment), false,
                     label.Caption);
            break;
        }
        case ControlKind::Image: {
            const auto& image = static_cast<const Image&>(control);
            if (image.picture().isEmpty()) break;
            surface_.picture(image.picture(), image.Stretch ? rect : naturalRect(image.picture(), rect.x, rect.y));
            break;
        }
        case ControlKind::PictureBox: {
            const auto& box = static_cast<const PictureBox&>(control);
            surface_.fill(rect, box.BackColor);
            bevels::sunken(surface_, rect, ring);
            const PixelRect inside = rect.adjusted(edge, edge, -edge, -edge);
            surface_.clip(inside);
            if (!box.Picture.isEmpty()) surface_.picture(box.Picture, naturalRect(box.Picture, inside.x, inside.y));
            break;
        }
        case ControlKind::CommandButton: {
            const auto& button = static_cast<const CommandButton&>(control);
            surface_.fill(rect, button.BackColor);
            const PixelRect face = rect.adjusted(edge, edge, -edge, -edge);
            if (!button.Picture.isEmpty()) {
                // The face picture is centred on the button, as a pressed-in picture would be.
                const PixelRect natural = naturalRect(button.Picture, 0, 0);
                PixelRect target = centred(face, natural.width, natural.height);
                target.x += ring;
                target.y += ring;
                surface_.save();
                surface_.clip(face);
                surface_.picture(button.Picture, target);
                surface_.restore();
            } else {
                drawText(button.Font, button.Enabled ? colors::black : disabledText, face, TextAlign::Center, true, button.Caption);
            }
            bevels::raised(surface_, rect, ring);
            // A dotted rectangle marks the button with the keyboard focus.
            if (control.form().focused() == &control && button.Picture.isEmpty())
                surface_.dottedOutline(rect.adjusted(2 * edge, 2 * edge, -2 * edge, -2 * edge), ring, colors::black);
            break;
        }
        case ControlKind::Frame: {
            const auto& frame = static_cast<const Frame&>(control);
            surface_.fill(rect, frame.BackColor ? *frame.BackColor : frameColour);
            // A frame without a caption draws its edge where a caption's middle would be.
            bevels::etched(surface_, rect.adjusted(0, mapping_.toPixels(90), 0, 0), ring);
            break;
        }
    }
}

}  // namespace lumenary
