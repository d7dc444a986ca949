#include "FormDamage.h"

#include "FocusRing.h"
#include "runtime/Form.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Frame.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"

#include <functional>
#include <string>

namespace lumenary {

namespace {

// Folds the values that decide how something is painted into one number.
class LookHash {
public:
    template <class T>
    LookHash& operator<<(const T& value) {
        seed_ ^= std::hash<T>{}(value) + 0x9e3779b97f4a7c15ULL + (seed_ << 6) + (seed_ >> 2);
        return *this;
    }
    LookHash& operator<<(const Color& c) { return *this << ((c.r << 16) | (c.g << 8) | c.b); }
    LookHash& operator<<(const Font& f) { return *this << f.Name << f.Size << f.Bold; }
    // Pictures are freed with their last screen, so another may later be decoded at the same
    // address: the file it came from tells them apart.
    LookHash& operator<<(const Picture& p) { return *this << static_cast<const void*>(p.pixels()) << p.sourcePath(); }
    std::size_t value() const { return seed_; }

private:
    std::size_t seed_ = 0;
};

std::size_t lookOf(const Control& control) {
    LookHash look;
    look << control.Enabled << (control.form().focused() == &control);
    switch (control.kind()) {
        case ControlKind::Label: {
            const auto& l = static_cast<const Label&>(control);
            look << l.Caption << l.BackColor << l.ForeColor << l.Font << l.BackStyle << l.BorderStyle << static_cast<int>(l.Alignment);
            break;
        }
        case ControlKind::Image: {
            const auto& i = static_cast<const Image&>(control);
            look << i.picture() << i.Stretch;
            break;
        }
        case ControlKind::PictureBox: {
            const auto& p = static_cast<const PictureBox&>(control);
            look << p.Picture << p.BackColor;
            break;
        }
        case ControlKind::CommandButton: {
            const auto& b = static_cast<const CommandButton&>(control);
            look << b.Caption << b.Picture << b.BackColor << b.Font;
            break;
        }
        case ControlKind::Frame: {
            const auto& f = static_cast<const Frame&>(control);
            look << f.BackColor.has_value() << (f.BackColor ? *f.BackColor : Color{});
            break;
        }
    }
    return look.value();
}

}  // namespace

std::size_t FormDamage::formLook(const Form& form) {
    LookHash look;
    const TwipsSize client = form.clientSize();
    look << form.BackColor << form.Picture << client.Width << client.Height;
    for (const Control* control : form.everyControl()) look << static_cast<const void*>(control);
    return look.value();
}

std::vector<FormDamage::Shown> FormDamage::shownNow(const Form& form, const TwipsMapping& mapping) {
    const std::vector<const Control*> order = form.everyControl();
    std::vector<Shown> shown;
    shown.reserve(order.size());
    for (const Control* control : order) {
        const int left = mapping.toPixelX(control->absoluteLeft());
        const int top = mapping.toPixelY(control->absoluteTop());
        const QRect pixels(left, top, mapping.toPixelX(control->absoluteLeft() + control->Width) - left,
                           mapping.toPixelY(control->absoluteTop() + control->Height) - top);
        // A focus ring reaches out around its control.
        const QRect reach = focusRing::showsOn(*control) ? focusRing::bounds(pixels, mapping) : pixels;
        shown.push_back({control, reach.adjusted(-1, -1, 1, 1), control->isShown(), lookOf(*control)});
    }
    return shown;
}

QRegion FormDamage::changes(const Form& form, const TwipsMapping& mapping) {
    std::vector<Shown> now = shownNow(form, mapping);
    const std::size_t look = formLook(form);
    QRegion changed;
    if (!known_ || mapping != mapping_ || look != formLook_) {
        changed = QRect(0, 0, 1 << 16, 1 << 16);  // everything
    } else {
        // Same form look means the same controls in the same order.
        for (std::size_t i = 0; i < now.size(); ++i) {
            const Shown& before = shown_[i];
            const Shown& after = now[i];
            if (before.visible == after.visible && before.pixels == after.pixels && before.look == after.look) continue;
            if (before.visible) changed += before.pixels;
            if (after.visible) changed += after.pixels;
        }
    }
    known_ = true;
    mapping_ = mapping;
    formLook_ = look;
    shown_ = std::move(now);
    return changed;
}

}  // namespace lumenary
