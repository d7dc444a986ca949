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
        changes_.forget();
        return;
    }
    using Kind = AccessibilityChanges::Kind;
    static const std::map<Kind, QAccessible::Event> events = {
        {Kind::Shown, QAccessible::ObjectShow},   {Kind::Hidden, QAccessible::ObjectHide},
        {Kind::Renamed, QAccessible::NameChanged}, {Kind::Redescribed, QAccessible::DescriptionChanged},
        {Kind::Focused, QAccessible::Focus},
    };
    for (const AccessibilityChanges::Change& change : changes_.since(form)) send(*change.control, events.at(change.kind));
}

void AccessibleControls::forget() {
    for (const auto& [control, id] : ids_) QAccessible::deleteAccessibleInterface(id);
    ids_.clear();
    changes_.forget();
}

}  // namespace lumenary
