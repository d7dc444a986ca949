#pragma once

#include "../Twips.h"

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace lumenary {

class ControlList;
class Frame;
class Form;

enum class ControlKind { Label, Image, PictureBox, Frame, CommandButton };

// What a control is to assistive technology: decided by what it does, not by how it looks.
enum class AccessibleRole { Button, Text, Graphic, Group };

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

    void setBounds(const TwipsRect& box) { Left = box.left, Top = box.top, Width = box.width, Height = box.height; }
    // The box in the form's client twips.
    TwipsRect absoluteBounds() const { return {absoluteLeft(), absoluteTop(), Width, Height}; }

    // The point (x, y), in the container's twips, lies in this control's box.
    bool contains(Twips x, Twips y) const { return x >= Left && x < Left + Width && y >= Top && y < Top + Height; }
    // The point, in the form's client twips, lies in this control's box and in every frame's that holds it.
    bool covers(TwipsPoint point) const;
    // Visible and enabled, together with every frame that holds it.
    bool isReachable() const;
    // Visible, together with every frame that holds it.
    bool isShown() const;
    // Top-left corner in the form's client twips.
    Twips absoluteLeft() const;
    Twips absoluteTop() const;
    virtual bool takesFocus() const { return false; }
    // Its caption, for the kinds that show one.
    virtual std::string_view text() const { return {}; }
    virtual AccessibleRole role() const = 0;
    // The controls it holds, back to front: a frame's; none for the other kinds.
    virtual const ControlList* children() const { return nullptr; }

    // A copy of every property, children included, for telling later whether it still looks the same.
    virtual std::unique_ptr<Control> clone() const = 0;
    // Of the same kind, with every property equal.
    virtual bool sameAs(const Control& other) const = 0;

    bool operator==(const Control&) const = default;

protected:
    explicit Control(ControlKind kind) : kind_(kind) {}
    Control(const Control&) = default;
    Control& operator=(const Control&) = default;

private:
    friend class Form;
    template <class>
    friend class ControlArray;

    ControlKind kind_;
    std::string name_;
    int index_ = -1;
    Frame* container_ = nullptr;
    Form* form_ = nullptr;
    std::shared_ptr<ControlEvents> events_ = std::make_shared<ControlEvents>();
};

// Gives a control kind its copy and its comparison, both from the kind's own fields, so a new
// field is copied and compared without anyone remembering to.
template <class Derived, ControlKind Kind>
class ControlOf : public Control {
public:
    static constexpr ControlKind kindValue = Kind;

    std::unique_ptr<Control> clone() const override { return std::make_unique<Derived>(static_cast<const Derived&>(*this)); }
    bool sameAs(const Control& other) const override {
        return other.kind() == Kind && static_cast<const Derived&>(*this) == static_cast<const Derived&>(other);
    }

    bool operator==(const ControlOf&) const = default;

protected:
    ControlOf() : Control(Kind) {}
};

// Controls in stacking order, back to front, each owned here: a form's own, or a frame's.
class ControlList {
public:
    ControlList() = default;
    // A copy holds copies of the controls (see Control::clone).
    ControlList(const ControlList& other);
    ControlList& operator=(const ControlList& other);
    ControlList(ControlList&&) = default;
    ControlList& operator=(ControlList&&) = default;
    bool operator==(const ControlList& other) const;

    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }
    std::size_t size() const { return items_.size(); }

    // At the front, or just in front of `after`.
    Control& insert(std::unique_ptr<Control> control, const Control* after = nullptr);
    void bringToFront(const Control& control);

private:
    std::vector<std::unique_ptr<Control>> items_;
};

}  // namespace lumenary
