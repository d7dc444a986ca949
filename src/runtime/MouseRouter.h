#pragma once

#include "Twips.h"

namespace lumenary {

class Control;
class Form;

// One mouse event as a form receives it, whatever the toolkit or device it came from.
struct MouseInput {
    int button = 0;   // the button that went down or up (a mouse:: bit); none on a move
    int buttons = 0;  // every button held, after this event
    int shift = 0;    // 1 Shift, 2 Ctrl, 4 Alt
    TwipsPoint at;    // in the form's client twips
};

// Delivers a form's mouse input to the right handler. The receiver is the control on which a
// button went down while any button is held (capture), otherwise the frontmost reachable
// control under the pointer; no control means the bare background and Form_MouseMove.
// Handlers get coordinates relative to the receiving control: a press and a release the
// button that changed, a move every button held.
class MouseRouter {
public:
    explicit MouseRouter(Form& form) : form_(form) {}

    void down(const MouseInput& input);
    // A press that goes to `control` whatever lies in front of it, as the keyboard's carry needs.
    void downOn(Control& control, const MouseInput& input);
    // The second press of a double-click: a press like any other, whose release raises no
    // second Click.
    void doubleClick(const MouseInput& input);
    void move(const MouseInput& input);
    void up(const MouseInput& input);

private:
    Control* receiverAt(TwipsPoint at) const;
    void press(Control* receiver, const MouseInput& input);

    Form& form_;
    bool capturing_ = false;
    Control* captured_ = nullptr;  // null while capturing means the form's background has it
    int buttonsHeld_ = 0;
    bool clickTaken_ = false;
};

}  // namespace lumenary
