#pragma once

#include "MouseRouter.h"

#include <optional>

namespace lumenary {

class Form;

enum class PointerKind { Mouse, Touch, Pen };

// One pointer event as a toolkit reports it, already in the form's client twips.
struct PointerEvent {
    enum class Type { Down, Move, Up, Cancel };
    static constexpr int everyPointer = -1;  // the id of a cancel that takes back every touch

    Type type;
    PointerKind kind = PointerKind::Mouse;
    int id = 0;        // which finger or pen; a mouse has one
    int button = 0;    // the mouse button that went down or up (a mouse:: bit)
    int buttons = 0;   // every mouse button held, after this event
    int shift = 0;     // 1 Shift, 2 Ctrl, 4 Alt
    TwipsPoint at;
    double milliseconds = 0;  // when, on any steady clock: it tells a double-click
};

// The rules both bindings follow in turning a toolkit's pointer events into a form's mouse input:
// - a finger or a pen is the left button, and only the first one down acts until it lifts, so a
//   second hand on the board disturbs nothing;
// - a touch the system takes back lets go, where it was, of what it held;
// - a second press of the same button soon after the first and near it is a double-click,
//   which raises one Click, not two; the press still drags;
// - a release of a button this form never saw pressed does nothing, and a press announced twice
//   (as a press, then as a double-click, at the same moment) is one press.
class PointerRules {
public:
    // A press within this long of the last counts as its double-click: the desktop's own setting.
    explicit PointerRules(double doubleClickMilliseconds) : doubleClickMilliseconds_(doubleClickMilliseconds) {}

    void apply(const PointerEvent& event, Form& form);

    // How near the second press of a double-click must be to the first: five design pixels.
    static constexpr Twips doubleClickDistance = 75;

private:
    // A touch or pen event as the left button's, or none when another finger is acting.
    std::optional<PointerEvent> asMouse(const PointerEvent& event);
    bool isSecondClick(const PointerEvent& event);

    double doubleClickMilliseconds_;
    std::optional<int> finger_;  // the touch or pen point that acts as the mouse
    int pressedButtons_ = 0;
    double lastDown_ = -1;
    struct LastPress {
        double milliseconds = -1e12;
        TwipsPoint at;
        int button = 0;
    } lastPress_;
};

}  // namespace lumenary
