#include "qt/accessibility/AccessibleControls.h"

#include "qt/accessibility/ControlAccessible.h"
#include "qt/window/FormWindow.h"
#include "qt/window/FormWindows.h"
#include "qt/window/QtPlatform.h"
#include "runtime/Form.h"

namespace lumenary {

std::vector<Control*> AccessibleControls::shownOn(const Form& form) {
    std::vector<Control*> shown = form.everyControl();
    std::erase_if(shown, [](const Control* c) { return !c->isShown(); });
    return shown;
}

QAccessibleInterface* AccessibleControls::interfaceOf(const Control& control) {
    auto [entry, fresh] = ids_.try_emplace(&control, 0);
    if (fresh) entry->second = QAccessible::registerAccessibleInterface(new ControlAccessible(window_, control));
    return QAccessible::accessibleInterface(entry->second);
}

void AccessibleControls::send(const Control& control, QAccessible::Event type) {
    QAccessibleEvent event(interfaceOf(control), type);
    window_.windows().platform().tellAssistiveTechnology(event);
}

void AccessibleControls::announceChanges(const Form& form) {
    // Nobody listens: comparing would only cost time on every mouse move.
    if (!window_.windows().platform().isAssistiveTechnologyActive()) {
        seen_.clear();
        return;
    }
    // The first look, or the first since someone listens, is no change.
    const bool first = seen_.empty();
    for (const Control* control : form.everyControl()) {
        Seen now{control->isShown(), form.accessibleName(*control), form.accessibleDescription(*control)};
        Seen& before = seen_[control];
        if (!first && now.shown != before.shown) {
            send(*control, now.shown ? QAccessible::ObjectShow : QAccessible::ObjectHide);
        } else if (!first && now.shown) {
            if (now.name != before.name) send(*control, QAccessible::NameChanged);
            if (now.description != before.description) send(*control, QAccessible::DescriptionChanged);
        }
        before = std::move(now);
    }
    if (form.focused() != focused_ && form.focused() && form.focused()->isShown()) send(*form.focused(), QAccessible::Focus);
    focused_ = form.focused();
}

void AccessibleControls::forget() {
    for (const auto& [control, id] : ids_) QAccessible::deleteAccessibleInterface(id);
    ids_.clear();
    seen_.clear();
    focused_ = nullptr;
}

}  // namespace lumenary
