#include "MouseRouter.h"

#include "Form.h"
#include "controls/Control.h"

#include <utility>

namespace lumenary {

Control* MouseRouter::receiverAt(TwipsPoint at) const { return capturing_ ? captured_ : form_.controlAt(at.x, at.y); }

void MouseRouter::down(const MouseInput& input) { press(receiverAt(input.at), input); }

void MouseRouter::downOn(Control& control, const MouseInput& input) { press(&control, input); }

void MouseRouter::press(Control* receiver, const MouseInput& input) {
    captured_ = receiver;
    capturing_ = true;
    buttonsHeld_ |= input.button;
    if (!receiver) return;
    if (receiver->takesFocus()) form_.setFocus(receiver);
    if (const auto& handler = receiver->events()->MouseDown)
        handler(receiver->Index(), input.button, input.shift, input.at.x - receiver->absoluteLeft(), input.at.y - receiver->absoluteTop());
}

void MouseRouter::doubleClick(const MouseInput& input) {
    if (input.button == mouse::left) clickTaken_ = true;
    down(input);
}

void MouseRouter::move(const MouseInput& input) {
    Control* receiver = receiverAt(input.at);
    if (!receiver) {
        form_.Form_MouseMove(input.buttons, input.shift, input.at.x, input.at.y);
        return;
    }
    if (const auto& handler = receiver->events()->MouseMove)
        handler(receiver->Index(), input.buttons, input.shift, input.at.x - receiver->absoluteLeft(), input.at.y - receiver->absoluteTop());
}

void MouseRouter::up(const MouseInput& input) {
    Control* receiver = receiverAt(input.at);
    buttonsHeld_ &= ~input.button;
    if (buttonsHeld_ == 0) {
        capturing_ = false;
        captured_ = nullptr;
    }
    const bool clickTaken = std::exchange(clickTaken_, clickTaken_ && input.button != mouse::left);
    if (!receiver) return;
    // The handlers may hold on to the events when the form unloads itself; keep them alive.
    const auto events = receiver->events();
    const int index = receiver->Index();
    const Twips relX = input.at.x - receiver->absoluteLeft();
    const Twips relY = input.at.y - receiver->absoluteTop();
    if (events->MouseUp) events->MouseUp(index, input.button, input.shift, relX, relY);
    // A click is a left press and release on the same control, which must still take it.
    const bool releasedOver = relX >= 0 && relY >= 0 && relX < receiver->Width && relY < receiver->Height;
    if (input.button == mouse::left && !clickTaken && releasedOver && form_.isLoaded() && receiver->isReachable() && events->Click)
        events->Click(index);
}

}  // namespace lumenary
