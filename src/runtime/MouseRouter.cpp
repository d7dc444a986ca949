#include "MouseRouter.h"

#include "Form.h"
#include "controls/Control.h"

#include <utility>

namespace lumenary {

Control* MouseRouter::receiverAt(Twips x, Twips y) const {
    return capturing_ ? captured_ : form_.controlAt(x, y);
}

void MouseRouter::down(int button, int shift, Twips x, Twips y) { press(receiverAt(x, y), button, shift, x, y); }

void MouseRouter::downOn(Control& control, int button, int shift, Twips x, Twips y) { press(&control, button, shift, x, y); }

void MouseRouter::press(Control* receiver, int button, int shift, Twips x, Twips y) {
    captured_ = receiver;
    capturing_ = true;
    buttonsHeld_ |= button;
    if (!receiver) return;
    if (receiver->takesFocus()) form_.setFocus(receiver);
    if (const auto& handler = receiver->events()->MouseDown)
        handler(receiver->Index(), button, shift, x - receiver->absoluteLeft(), y - receiver->absoluteTop());
}

void MouseRouter::doubleClick(int button, int shift, Twips x, Twips y, bool pressDelivered) {
    if (button == mouse::left) clickTaken_ = true;
    if (!pressDelivered) down(button, shift, x, y);
}

void MouseRouter::move(int buttons, int shift, Twips x, Twips y) {
    Control* receiver = receiverAt(x, y);
    if (!receiver) {
        form_.Form_MouseMove(buttons, shift, x, y);
        return;
    }
    if (const auto& handler = receiver->events()->MouseMove)
        handler(receiver->Index(), buttons, shift, x - receiver->absoluteLeft(), y - receiver->absoluteTop());
}

void MouseRouter::up(int button, int shift, Twips x, Twips y) {
    Control* receiver = receiverAt(x, y);
    buttonsHeld_ &= ~button;
    if (buttonsHeld_ == 0) {
        capturing_ = false;
        captured_ = nullptr;
    }
    const bool clickTaken = std::exchange(clickTaken_, clickTaken_ && button != mouse::left);
    if (!receiver) return;
    // The handlers may hold on to the events when the form unloads itself; keep them alive.
    const auto events = receiver->events();
    const int index = receiver->Index();
    const Twips relX = x - receiver->absoluteLeft();
    const Twips relY = y - receiver->absoluteTop();
    if (events->MouseUp) events->MouseUp(index, button, shift, relX, relY);
    // A click is a left press and release on the same control, which must still take it.
    const bool released_over = relX >= 0 && relY >= 0 && relX < receiver->Width && relY < receiver->Height;
    if (button == mouse::left && !clickTaken && released_over && form_.isLoaded() && receiver->isReachable() && events->Click)
        events->Click(index);
}

}  // namespace lumenary
