#pragma once

#include "../Twips.h"

#include <functional>
#include <memory>
#include <string>

namespace lumenary {

class Frame;
class Form;

enum class ControlKind { Label, Image, PictureBox, Frame, CommandButton };

// Mouse buttons as the handlers receive them: a bit set.
namespace mouse {
inline constexpr int left = 1;
inline constexpr int right = 2;
inline constexpr int middle = 4;
}  // namespace mouse

// The handlers of a control. The elements of a control array share one set, so one handler
// serves every element and tells them apart by the index it receives (-1 outside an array).
struct ControlEvents {
    std::function<void(int index)> Click;
    std::function<void(int index, int button, int shift, Twips x, Twips y)> MouseDown;
    std::function<void(int index, int button, int shift, Twips x, Twips y)> MouseMove;
    std::function<void(int index, int button, int shift, Twips x, Twips y)> MouseUp;
};

// What every control has: a name (and index within its control array), a box in its
// container's twips, visibility and enabled state. Properties are plain fields named as the
// screens use them; the binding repaints after every handled event, so no notification is needed.
class Control {
public:
    virtual ~Control() = default;

    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int Index() const { return index_; }
    Frame* container() const { return container_; }
    Form& form() const { return *form_; }
    const std::shared_ptr<ControlEvents>& events() const { return events_; }

    Twips Left = 0;
    Twips Top = 0;
    Twips Width = 0;
    Twips Height = 0;
    bool Visible = true;
    bool Enabled = true;
    int TabIndex = 0;

    // The point (x, y), in the container's twips, lies in this control's box.
    bool contains(Twips x, Twips y) const { return x >= Left && x < Left + Width && y >= Top && y < Top + Height; }
    // Visible and enabled, together with every frame that holds it.
    bool isReachable() const;
    // Visible, together with every frame that holds it.
    bool isShown() const;
    // Top-left corner in the form's client twips.
    Twips absoluteLeft() const;
    Twips absoluteTop() const;
    virtual bool takesFocus() const { return false; }

protected:
    explicit Control(ControlKind kind) : kind_(kind) {}
    Control(const Control&) = default;
    Control& operator=(const Control&) = default;

private:
    friend class Form;
    template <class>
    friend class ControlArray;
    virtual std::unique_ptr<Control> clone() const = 0;

    ControlKind kind_;
    std::string name_;
    int index_ = -1;
    Frame* container_ = nullptr;
    Form* form_ = nullptr;
    std::shared_ptr<ControlEvents> events_ = std::make_shared<ControlEvents>();
};

// Gives a control kind its copy operation, used when a control array grows at run time.
template <class Derived, ControlKind Kind>
class ControlOf : public Control {
public:
    static constexpr ControlKind kindValue = Kind;

protected:
    ControlOf() : Control(Kind) {}

private:
    std::unique_ptr<Control> clone() const override {
        return std::make_unique<Derived>(static_cast<const Derived&>(*this));
    }
};

}  // namespace lumenary
