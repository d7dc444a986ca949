#include "web/accessibility/PageMirror.h"

#include "runtime/Form.h"
#include "runtime/painting/FormPainter.h"

#include <emscripten.h>

#include <algorithm>

namespace lumenary {

namespace {

EM_JS(void, js_mirrorBegin, (int count), { Lumenary.mirror.begin(count); });
EM_JS(void, js_mirrorItem, (int index, int role, const char* name, const char* description, int disabled, int x, int y, int w, int h), {
    Lumenary.mirror.item(index, ['button', 'text', 'img', 'group'][role], UTF8ToString(name), UTF8ToString(description),
                         disabled != 0, x, y, w, h);
});
EM_JS(void, js_mirrorFocus, (int index), { Lumenary.mirror.focus(index); });
EM_JS(void, js_announce, (const char* text), { Lumenary.mirror.announce(UTF8ToString(text)); });

}  // namespace

void PageMirror::show(const Form& form, const TwipsMapping& mapping, bool fresh) {
    if (fresh) clear();
    const bool first = seen_.empty();
    std::string announced;
    shown_.clear();
    for (const Control* control : form.everyControl()) {
        Seen now{control->isShown(), form.accessibleName(*control)};
        Seen& before = seen_[control];
        // A text that appeared or changed is read out; a button's caption is read when it is reached.
        const bool news = !first && now.shown && !now.name.empty() && control->role() == AccessibleRole::Text &&
                          (!before.shown || before.name != now.name);
        if (news) announced += (announced.empty() ? "" : " ") + now.name;
        before = std::move(now);
        if (control->isShown()) shown_.push_back(control);
    }
    js_mirrorBegin(static_cast<int>(shown_.size()));
    for (std::size_t i = 0; i < shown_.size(); ++i) {
        const Control& control = *shown_[i];
        const PixelRect place = FormPainter::pixelRect(mapping, control.absoluteBounds());
        js_mirrorItem(static_cast<int>(i), static_cast<int>(control.role()), form.accessibleName(control).c_str(),
                      form.accessibleDescription(control).c_str(), !control.isReachable(), place.x, place.y, place.width, place.height);
    }
    if (!announced.empty()) js_announce(announced.c_str());
    if (form.focused() != focused_) {
        const auto found = std::find(shown_.begin(), shown_.end(), form.focused());
        if (found != shown_.end()) js_mirrorFocus(static_cast<int>(found - shown_.begin()));
        focused_ = form.focused();
    }
}

const Control* PageMirror::controlAt(const Form& form, int index) const {
    if (index < 0 || index >= static_cast<int>(shown_.size())) return nullptr;
    const Control* control = shown_[index];
    const std::vector<Control*> now = form.everyControl();
    return std::find(now.begin(), now.end(), control) != now.end() && control->isShown() ? control : nullptr;
}

void PageMirror::clear() {
    shown_.clear();
    seen_.clear();
    focused_ = nullptr;
}

}  // namespace lumenary
