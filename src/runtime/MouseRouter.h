#pragma once

#include "Twips.h"

namespace lumenary {

class Control;
class Form;

// Delivers a form's mouse input to the right handler. The receiver is the control on which a
// button went down while any button is held (capture), otherwise the frontmost reachable
// control under the pointer; no control means the bare background and Form_MouseMove.
// Handlers get coordinates relative to the receiving control.
class MouseRouter {
public:
    explicit MouseRouter(Form& form) : form_(form) {}

    void down(int button, int shift, Twips x, Twips y);
    // A press that goes to `control` whatever lies in front of it, as the keyboard's carry needs.
    void downOn(Control& control, int button, int shift, Twips x, Twips y);
    // The second press of a double-click: a press like any other, whose release raises no
    // second Click. Some toolkits announce it after delivering the press, some instead of it.
    void doubleClick(int button, int shift, Twips x, Twips y, bool pressDelivered);
    void move(int buttons, int shift, Twips x, Twips y);
    void up(int button, int shift, Twips x, Twips y);

private:
    Control* receiverAt(Twips x, Twips y) const;
    void press(Control* receiver, int button, int shift, Twips x, Twips y);

    Form& form_;
    bool capturing_ = false;
    Control* captured_ = nullptr;  // null while capturing means the form's background has it
    int buttonsHeld_ = 0;
    bool clickTaken_ = false;
};

}  // namespace lumenary
