#pragma once

#include "Twips.h"

#include <vector>

namespace lumenary {

class Control;
class MouseRouter;

// Carries a control from stop to stop by keyboard as a mouse would: a left press on its
// middle, moves with the left button held that put its top-left corner on each stop, and a
// release where it stands. So the screen's own press, drag and drop handlers do all the work,
// and a keyboard drop is judged exactly as a mouse drop there.
class KeyboardCarry {
public:
    explicit KeyboardCarry(MouseRouter& router) : router_(router) {}

    bool isCarrying() const { return carried_ != nullptr; }
    // `stops` are top-left corners in form client twips, in the order the arrows visit them.
    void pickUp(Control& control, std::vector<TwipsPoint> stops);
    // To the next stop (1) or the previous one (-1), round and round.
    void step(int direction);
    void putDown();
    // Back where it was picked up, and down there.
    void cancel();

private:
    void carryTo(TwipsPoint topLeft);

    MouseRouter& router_;
    const Control* carried_ = nullptr;
    TwipsPoint pickedUpAt_;
    TwipsPoint pointer_;
    std::vector<TwipsPoint> stops_;
    int stop_ = -1;  // none yet: it is still where it was picked up
};

}  // namespace lumenary
