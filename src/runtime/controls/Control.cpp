#include "Control.h"

#include "Frame.h"

#include <algorithm>

namespace lumenary {

bool Control::isReachable() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->Visible || !c->Enabled) return false;
    return true;
}

bool Control::isShown() const {
    for (const Control* c = this; c; c = c->container())
        if (!c->Visible) return false;
    return true;
}

bool Control::covers(TwipsPoint point) const {
    for (const Control* c = this; c; c = c->container()) {
        const Twips originX = c->container() ? c->container()->absoluteLeft() : 0;
        const Twips originY = c->container() ? c->container()->absoluteTop() : 0;
        if (!c->contains(point.x - originX, point.y - originY)) return false;
    }
    return true;
}

Twips Control::absoluteLeft() const { return Left + (container_ ? container_->absoluteLeft() : 0); }
Twips Control::absoluteTop() const { return Top + (container_ ? container_->absoluteTop() : 0); }

ControlList::ControlList(const ControlList& other) { *this = other; }

ControlList& ControlList::operator=(const ControlList& other) {
    if (this == &other) return *this;
    items_.clear();
    for (const auto& control : other.items_) items_.push_back(control->clone());
    return *this;
}

bool ControlList::operator==(const ControlList& other) const {
    return std::equal(items_.begin(), items_.end(), other.items_.begin(), other.items_.end(),
                      [](const auto& a, const auto& b) { return a->sameAs(*b); });
}

Control& ControlList::insert(std::unique_ptr<Control> control, const Control* after) {
    auto position = std::find_if(items_.begin(), items_.end(), [&](const auto& c) { return c.get() == after; });
    position = position == items_.end() ? items_.end() : std::next(position);
    return **items_.insert(position, std::move(control));
}

void ControlList::bringToFront(const Control& control) {
    const auto it = std::find_if(items_.begin(), items_.end(), [&](const auto& c) { return c.get() == &control; });
    if (it != items_.end()) std::rotate(it, std::next(it), items_.end());
}

}  // namespace lumenary
