#include "web/accessibility/PageMirror.h"

#include "runtime/Form.h"
#include "runtime/painting/FormPainter.h"
#include "runtime/language/Translation.h"

#include <emscripten.h>

#include <algorithm>
#include <string>

namespace lumenary {

namespace {

EM_JS(void, js_mirrorBegin, (int count), { Lumenary.mirror.begin(count); });
EM_JS(void, js_mirrorItem, (int index, int role, const char* name, const char* description, int disabled, int x, int y, int w, int h), {
    Lumenary.mirror.item(index, ['button', 'text', 'img', 'group', 'movable'][role], UTF8ToString(name), UTF8ToString(description),
                         disabled != 0, x, y, w, h);
});
EM_JS(void, js_mirrorFocus, (int index), { Lumenary.mirror.focus(index); });
EM_JS(void, js_announce, (const char* text), { Lumenary.mirror.announce(UTF8ToString(text)); });

// After the roles the runtime names: a control the keyboard can pick up and carry (a name label).
constexpr int movableRole = 4;
constexpr const char* howToCarry = N_("Press Enter to pick it up, the arrow keys to move it from target to target, and Enter to put it down.");

}  // namespace

void PageMirror::show(const Form& form, const TwipsMapping& mapping, bool fresh) {
    if (fresh) clear();
    shown_.clear();
    for (const Control* control : form.everyControl())
        if (control->isShown()) shown_.push_back(control);
    js_mirrorBegin(static_cast<int>(shown_.size()));
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const Control& control = *shown_[i];
        const PixelRect place = FormPainter::pixelRect(mapping, control.absoluteBounds());
        const bool movable = !form.carryStops(control).empty();
        std::string description = form.accessibleDescription(control);
        if (movable) description += (description.empty() ? "" : ". ") + tr(howToCarry);
        js_mirrorItem(static_cast<int>(i), movable ? movableRole : static_cast<int>(control.role()), form.accessibleName(control).c_str(),
                      description.c_str(), !control.isReachable(), place.x, place.y, place.width, place.height);
    }
    // A text that appeared or changed is read out; a button's caption is read when it is reached.
    std::string announced;
    const Control* focused = nullptr;
    for (const AccessibilityChanges::Change& change : changes_.since(form)) {
        using Kind = AccessibilityChanges::Kind;
        const std::string name = form.accessibleName(*change.control);
        if ((change.kind == Kind::Shown || change.kind == Kind::Renamed) && change.control->role() == AccessibleRole::Text && !name.empty())
            announced += (announced.empty() ? "" : " ") + name;
        if (change.kind == Kind::Focused) focused = change.control;
    }
    if (!announced.empty()) js_announce(announced.c_str());
    if (focused) js_mirrorFocus(static_cast<int>(std::find(shown_.begin(), shown_.end(), focused) - shown_.begin()));
}

const Control* PageMirror::controlAt(const Form& form, int index) const {
    if (index < 0 || index >= static_cast<int>(shown_.size())) return nullptr;
    const Control* control = shown_[index];
    const std::vector<Control*> now = form.everyControl();
    return std::find(now.begin(), now.end(), control) != now.end() && control->isShown() ? control : nullptr;
}

void PageMirror::clear() {
    shown_.clear();
    changes_.forget();
}

}  // namespace lumenary
