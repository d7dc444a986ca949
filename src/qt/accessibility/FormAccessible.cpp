#include "qt/accessibility/FormAccessible.h"

#include "qt/accessibility/AccessibleControls.h"
#include "qt/window/FormWindow.h"
#include "runtime/Form.h"

namespace lumenary {

namespace {

QAccessibleInterface* formWindowFactory(const QString&, QObject* object) {
    auto* window = dynamic_cast<FormWindow*>(object);
    return window ? new FormAccessible(*window) : nullptr;
}

}  // namespace

FormAccessible::FormAccessible(FormWindow& window) : QAccessibleWidget(&window, QAccessible::Window), window_(window) {}

void FormAccessible::install() { QAccessible::installFactory(formWindowFactory); }

std::vector<Control*> FormAccessible::shownControls() const {
    return window_.form() ? AccessibleControls::shownOn(*window_.form()) : std::vector<Control*>{};
}

int FormAccessible::childCount() const { return static_cast<int>(shownControls().size()); }

QAccessibleInterface* FormAccessible::child(int index) const {
    const std::vector<Control*> shown = shownControls();
    if (index < 0 || index >= static_cast<int>(shown.size())) return nullptr;
    return window_.accessibleControls().interfaceOf(*shown[index]);
}

int FormAccessible::indexOfChild(const QAccessibleInterface* child) const {
    const std::vector<Control*> shown = shownControls();
    for (std::size_t i = 0; i < shown.size(); ++i)
        if (window_.accessibleControls().interfaceOf(*shown[i]) == child) return static_cast<int>(i);
    return -1;
}

// The frontmost shown control under a point on the screen.
QAccessibleInterface* FormAccessible::childAt(int x, int y) const {
    const std::vector<Control*> shown = shownControls();
    for (auto it = shown.rbegin(); it != shown.rend(); ++it) {
        QAccessibleInterface* child = window_.accessibleControls().interfaceOf(**it);
        if (child->rect().contains(x, y)) return child;
    }
    return nullptr;
}

QAccessibleInterface* FormAccessible::focusChild() const {
    const Control* focused = window_.form() ? window_.form()->focused() : nullptr;
    return focused && focused->isShown() ? window_.accessibleControls().interfaceOf(*focused) : nullptr;
}

QAccessible::State FormAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    if (focusChild()) state.focused = false;
    return state;
}

}  // namespace lumenary
