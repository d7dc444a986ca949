#pragma once

#include "Color.h"
#include "KeyboardCarry.h"
#include "MouseRouter.h"
#include "Picture.h"
#include "RuntimeError.h"
#include "Twips.h"
#include "controls/Control.h"
#include "controls/Frame.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumenary {

enum class Key { Tab, BackTab, Enter, Space, Left, Right, Up, Down, Escape };

// One screen: its window properties, the controls it owns in a fixed stacking order, and the
// entry points through which the binding (or a test) delivers mouse and keyboard input.
class Form {
public:
    explicit Form(std::string name);
    virtual ~Form();
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    const std::string& name() const { return name_; }
    // Unique for the life of the program, so a window can tell a fresh screen from an unloaded one.
    std::uint64_t serial() const { return serial_; }
    bool isLoaded() const { return loaded_; }
    bool isVisible() const { return visible_; }

    Color BackColor = colors::silver;
    lumenary::Picture Picture;  // drawn from the top-left corner of the client area at its own size
    lumenary::Picture Icon;
    std::string Caption;
    Twips Left = 0;
    Twips Top = 0;
    Twips Width = 0;   // outer size, frame and title bar included
    Twips Height = 0;
    int ScaleMode = 1;  // twips

    // Brings the screen to the front, modeless.
    void Show();
    TwipsSize clientSize() const;

    // Looks a control up by name (and index, for a control array element); throws RuntimeError.
    Control& controlNamed(std::string_view name, int index = -1) const;
    template <class C>
    C& control(std::string_view name, int index = -1) const {
        Control& found = controlNamed(name, index);
        if (found.kind() != C::kindValue)
            throw RuntimeError("Control " + describe(found.name(), found.Index()) + " on form " + name_ + " is not of the kind asked for");
        return static_cast<C&>(found);
    }
    // The control of this name and kind, or none where the form has no such control.
    template <class C>
    C* findControl(std::string_view name, int index = -1) const {
        Control* found = find(name, index);
        return found && found->kind() == C::kindValue ? static_cast<C*>(found) : nullptr;
    }

    // Creates a control at the front of its container's stacking order.
    template <class C>
    C& add(std::string name, int index = -1, Frame* container = nullptr) {
        return static_cast<C&>(adopt(std::make_unique<C>(), std::move(name), index, container, nullptr));
    }
    // A new element of a control array: a copy of `original` in every property but hidden,
    // stacked just in front of `stackAfter`.
    Control& addCopy(const Control& original, int index, const Control& stackAfter);

    // Brings a control to the front of its container's stacking order.
    void ZOrder(Control& control);
    // The form's own controls, back to front; frames hold theirs.
    const ControlList& controls() const { return controls_; }
    // Every control, back to front, each frame followed by its children: the order they are
    // painted in. Hit testing, lookup, the keyboard's order and assistive technology walk it too.
    std::vector<Control*> everyControl() const;
    // The frontmost reachable control under a point in client twips, looking inside frames.
    Control* controlAt(Twips x, Twips y) const;

    void mouseDown(const MouseInput& input) {
        takeMouse();
        router_.down(input);
    }
    void mouseMove(const MouseInput& input) { router_.move(input); }
    void mouseUp(const MouseInput& input) { router_.up(input); }
    void mouseDoubleClick(const MouseInput& input) {
        takeMouse();
        router_.doubleClick(input);
    }

    // Tab and Shift+Tab walk the focus over what a pupil can use, in reading order; Enter and
    // Space do what a click on it does, or pick up a control the screen lets the keyboard
    // carry, which the arrows then carry from stop to stop and Enter or Space puts down.
    // False when the form has no use for the key: Escape, unless a carry is under way.
    bool keyPress(Key key);
    // What a click on the control does, for the keyboard and for assistive technology.
    void activate(const Control& control);
    Control* focused() const { return focused_; }
    void setFocus(Control* control);
    // Focus on the command button first in tab index order, if any takes the focus.
    void focusFirst();
    // The focus is drawn once the keyboard is in use on this form, until the mouse is pressed.
    bool showsFocus() const { return showsFocus_; }
    bool isCarrying() const { return carry_.isCarrying(); }
    // What Tab stops at: a reachable button that keeps a tab stop, or anything else a pupil can
    // click or carry.
    bool isTabStop(const Control& control) const;

    // Where the keyboard may carry a control, as top-left corners in client twips, in the order
    // the arrow keys visit them; none for a control that is not carried.
    virtual std::vector<TwipsPoint> carryStops(const Control& /*control*/) const { return {}; }

    // What assistive technology calls a control: its caption, where it has one. Screens name
    // their pictures, neutrally, so that no name gives an answer away.
    virtual std::string accessibleName(const Control& control) const;
    // What a control's place on the screen means, where it means something.
    virtual std::string accessibleDescription(const Control& /*control*/) const { return {}; }

    virtual void Form_Load() {}
    virtual void Form_MouseMove(int /*button*/, int /*shift*/, Twips /*x*/, Twips /*y*/) {}

private:
    friend class Runtime;

    Control& adopt(std::unique_ptr<Control> control, std::string name, int index, Frame* container, const Control* stackAfter);
    ControlList& listOf(Frame* container);
    std::vector<Control*> tabOrder() const;
    void moveFocus(Key key);
    void pressFocused();
    // A mouse press ends keyboard use: a carried control goes back, and the focus is not drawn.
    void takeMouse();
    Control* find(std::string_view name, int index) const;
    // "Label2(3)", or "Label1" outside a control array.
    static std::string describe(std::string_view name, int index);

    std::string name_;
    std::uint64_t serial_;
    bool loaded_ = false;
    bool visible_ = false;
    ControlList controls_;
    Control* focused_ = nullptr;
    bool showsFocus_ = false;
    MouseRouter router_{*this};
    KeyboardCarry carry_{router_};
};

}  // namespace lumenary
