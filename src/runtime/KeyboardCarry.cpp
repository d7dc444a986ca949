#include "KeyboardCarry.h"

#include "MouseRouter.h"
#include "controls/Control.h"

namespace lumenary {

void KeyboardCarry::pickUp(Control& control, std::vector<TwipsPoint> stops) {
    carried_ = &control;
    stops_ = std::move(stops);
    stop_ = -1;
    pickedUpAt_ = {control.absoluteLeft(), control.absoluteTop()};
    pointer_ = {pickedUpAt_.x + control.Width / 2, pickedUpAt_.y + control.Height / 2};
    // Pressed on this control even where another lies in front of it on the same spot.
    router_.downOn(control, {.button = mouse::left, .buttons = mouse::left, .at = pointer_});
}

void KeyboardCarry::step(int direction) {
    if (!carried_ || stops_.empty()) return;
    const int count = static_cast<int>(stops_.size());
    stop_ = stop_ < 0 ? (direction > 0 ? 0 : count - 1) : (stop_ + direction + count) % count;
    carryTo(stops_[static_cast<std::size_t>(stop_)]);
}

void KeyboardCarry::carryTo(TwipsPoint topLeft) {
    // Held by its middle, as a dragging hand holds it.
    pointer_ = {topLeft.x + carried_->Width / 2, topLeft.y + carried_->Height / 2};
    router_.move({.buttons = mouse::left, .at = pointer_});
}

void KeyboardCarry::putDown() {
    if (!carried_) return;
    carried_ = nullptr;
    router_.up({.button = mouse::left, .at = pointer_});
}

void KeyboardCarry::cancel() {
    if (!carried_) return;
    carryTo(pickedUpAt_);
    putDown();
}

}  // namespace lumenary
