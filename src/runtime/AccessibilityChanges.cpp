#include "AccessibilityChanges.h"

#include "Form.h"

namespace lumenary {

std::vector<AccessibilityChanges::Change> AccessibilityChanges::since(const Form& form) {
    std::vector<Change> changes;
    const bool first = seen_.empty();
    for (const Control* control : form.everyControl()) {
        Seen now{control->isShown(), form.accessibleName(*control), form.accessibleDescription(*control)};
        Seen& before = seen_[control];
        if (!first && now.shown != before.shown) {
            changes.push_back({control, now.shown ? Kind::Shown : Kind::Hidden});
        } else if (!first && now.shown) {
            if (now.name != before.name) changes.push_back({control, Kind::Renamed});
            if (now.description != before.description) changes.push_back({control, Kind::Redescribed});
        }
        before = std::move(now);
    }
    if (form.focused() != focused_ && form.focused() && form.focused()->isShown()) changes.push_back({form.focused(), Kind::Focused});
    focused_ = form.focused();
    return changes;
}

void AccessibilityChanges::forget() {
    seen_.clear();
    focused_ = nullptr;
}

}  // namespace lumenary
