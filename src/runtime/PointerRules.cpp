#include "PointerRules.h"

#include "Form.h"

#include <cmath>

namespace lumenary {

std::optional<PointerEvent> PointerRules::asMouse(const PointerEvent& event) {
    if (event.kind == PointerKind::Mouse) return event;
    PointerEvent left = event;
    left.kind = PointerKind::Mouse;
    if (event.type == PointerEvent::Type::Down) {
        if (finger_) return std::nullopt;
        finger_ = event.id;
        left.button = left.buttons = mouse::left;
        return left;
    }
    if (!finger_ || (event.id != *finger_ && event.id != PointerEvent::everyPointer)) return std::nullopt;
    if (event.type == PointerEvent::Type::Move) {
        left.buttons = mouse::left;
    } else {
        finger_.reset();
        left.button = mouse::left;
        left.buttons = 0;
    }
    return left;
}

bool PointerRules::isSecondClick(const PointerEvent& event) {
    const bool second = event.button == lastPress_.button && event.milliseconds - lastPress_.milliseconds < doubleClickMilliseconds_ &&
                        std::hypot(event.at.x - lastPress_.at.x, event.at.y - lastPress_.at.y) < doubleClickDistance;
    // A third press starts a new pair.
    lastPress_ = second ? LastPress{} : LastPress{event.milliseconds, event.at, event.button};
    return second;
}

void PointerRules::apply(const PointerEvent& raw, Form& form) {
    const std::optional<PointerEvent> event = asMouse(raw);
    if (!event) return;
    const MouseInput input{.button = event->button, .buttons = event->buttons, .shift = event->shift, .at = event->at};
    switch (event->type) {
        case PointerEvent::Type::Down:
            if ((pressedButtons_ & event->button) && event->milliseconds == lastDown_) return;
            lastDown_ = event->milliseconds;
            pressedButtons_ |= event->button;
            if (isSecondClick(*event))
                form.mouseDoubleClick(input);
            else
                form.mouseDown(input);
            break;
        case PointerEvent::Type::Move: form.mouseMove({.buttons = event->buttons, .shift = event->shift, .at = event->at}); break;
        case PointerEvent::Type::Up:
            if (!(pressedButtons_ & event->button)) return;
            pressedButtons_ &= ~event->button;
            form.mouseUp(input);
            break;
        case PointerEvent::Type::Cancel:
            // Let go outside every control: what the finger held stays where it was.
            pressedButtons_ &= ~mouse::left;
            form.mouseUp({.button = mouse::left, .at = {-1, -1}});
            break;
    }
}

}  // namespace lumenary
