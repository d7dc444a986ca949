#include "qt/accessibility/ControlAccessible.h"

#include "qt/window/FormWindow.h"
#include "runtime/Form.h"

namespace lumenary {

ControlAccessible::ControlAccessible(FormWindow& window, const Control& control) : window_(window), control_(control) {}

bool ControlAccessible::isValid() const { return window_.form() != nullptr; }

QWindow* ControlAccessible::window() const { return window_.windowHandle(); }

QAccessibleInterface* ControlAccessible::parent() const { return QAccessible::queryAccessibleInterface(&window_); }

QString ControlAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name: return QString::fromStdString(control_.form().accessibleName(control_));
        case QAccessible::Description: return QString::fromStdString(control_.form().accessibleDescription(control_));
        default: return {};
    }
}

QRect ControlAccessible::rect() const {
    const TwipsMapping& m = window_.mapping();
    const QPoint topLeft(m.toPixelX(control_.absoluteLeft()), m.toPixelY(control_.absoluteTop()));
    const QPoint bottomRight(m.toPixelX(control_.absoluteLeft() + control_.Width), m.toPixelY(control_.absoluteTop() + control_.Height));
    return QRect(window_.mapToGlobal(topLeft), window_.mapToGlobal(bottomRight) - QPoint(1, 1));
}

QAccessible::Role ControlAccessible::role() const {
    switch (control_.role()) {
        case AccessibleRole::Button: return QAccessible::PushButton;
        case AccessibleRole::Text: return QAccessible::StaticText;
        case AccessibleRole::Graphic: return QAccessible::Graphic;
        case AccessibleRole::Group: break;
    }
    return QAccessible::Grouping;
}

QAccessible::State ControlAccessible::state() const {
    QAccessible::State state;
    state.invisible = !control_.isShown();
    state.disabled = control_.isShown() && !control_.isReachable();
    state.focusable = control_.form().isTabStop(control_);
    state.focused = control_.form().focused() == &control_;
    return state;
}

void* ControlAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::ActionInterface && role() == QAccessible::PushButton) return static_cast<QAccessibleActionInterface*>(this);
    return nullptr;
}

QStringList ControlAccessible::actionNames() const { return {pressAction()}; }

void ControlAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction()) window_.press(control_);
}

}  // namespace lumenary
