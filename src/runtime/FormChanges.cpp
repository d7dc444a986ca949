#include "FormChanges.h"

#include "Form.h"

#include <algorithm>

namespace lumenary {

FormChanges::Shown FormChanges::look(const Form& form) {
    Shown now{form.BackColor, form.Picture, form.clientSize(), form.controls(), std::nullopt};
    if (const Control* focused = form.focused())
        now.focus = Focus{focused->name(), focused->Index(), focused->absoluteBounds(), form.showsFocus()};
    return now;
}

FormChanges::Changes FormChanges::since(const Form& form) {
    Shown now = look(form);
    Changes changes;
    const auto sameControl = [](const auto& a, const auto& b) { return a->name() == b->name() && a->Index() == b->Index(); };
    if (!shown_ || shown_->backColor != now.backColor || shown_->picture != now.picture ||
        shown_->client.Width != now.client.Width || shown_->client.Height != now.client.Height ||
        !std::equal(shown_->controls.begin(), shown_->controls.end(), now.controls.begin(), now.controls.end(), sameControl)) {
        changes.everything = true;
    } else {
        auto before = shown_->controls.begin();
        for (auto after = now.controls.begin(); after != now.controls.end(); ++after, ++before) {
            if ((*before)->sameAs(**after)) continue;
            if ((*before)->Visible) changes.boxes.push_back((*before)->absoluteBounds());
            if ((*after)->Visible) changes.boxes.push_back((*after)->absoluteBounds());
        }
        if (shown_->focus != now.focus) {
            if (shown_->focus) changes.boxes.push_back(shown_->focus->box);
            if (now.focus) changes.boxes.push_back(now.focus->box);
        }
    }
    shown_ = std::move(now);
    return changes;
}

}  // namespace lumenary
