#include "Form.h"

#include "ReadingOrder.h"
#include "Runtime.h"
#include "controls/CommandButton.h"
#include "controls/Label.h"

#include <algorithm>

namespace lumenary {

namespace {
std::uint64_t nextSerial = 1;
}

Form::Form(std::string name) : name_(std::move(name)), serial_(nextSerial++) {}

Form::~Form() = default;

void Form::Show() { Runtime::current().show(*this); }

TwipsSize Form::clientSize() const {
    const FrameMargins margins = Runtime::current().platform().frameMargins();
    return {Width - margins.horizontal(), Height - margins.vertical()};
}

std::string Form::describe(const Control& control) {
    return control.Index() >= 0 ? control.name() + "(" + std::to_string(control.Index()) + ")" : control.name();
}

bool Form::hasControl(std::string_view name, int index) const {
    return std::ranges::any_of(controls_, [&](const auto& c) { return c->name() == name && c->Index() == index; });
}

Control& Form::controlNamed(std::string_view name, int index) const {
    for (const auto& c : controls_)
        if (c->name() == name && c->Index() == index) return *c;
    const std::string asked = index >= 0 ? std::string(name) + "(" + std::to_string(index) + ")" : std::string(name);
    throw RuntimeError("Form " + name_ + " has no control named " + asked);
}

void Form::adopt(std::unique_ptr<Control> control, std::string name, int index, Frame* container, const Control* stackAfter) {
    if (hasControl(name, index))
        throw RuntimeError("Form " + name_ + " already has a control " + name +
                           (index >= 0 ? "(" + std::to_string(index) + ")" : std::string()));
    control->name_ = std::move(name);
    control->index_ = index;
    control->container_ = container;
    control->form_ = this;
    std::vector<Control*>& stack = mutableStackOf(container);
    auto position = stack.end();
    if (stackAfter) position = std::next(std::ranges::find(stack, stackAfter));
    stack.insert(position, control.get());
    controls_.push_back(std::move(control));
}

Control& Form::addCopy(const Control& original, int index, const Control& stackAfter) {
    std::unique_ptr<Control> copy = original.clone();
    copy->Visible = false;
    Control& ref = *copy;
    adopt(std::move(copy), original.name(), index, original.container(), &stackAfter);
    ref.events_ = original.events_;
    return ref;
}

std::vector<Control*>& Form::mutableStackOf(const Frame* container) {
    return container ? const_cast<Frame*>(container)->children_ : stack_;
}

const std::vector<Control*>& Form::stackOf(const Frame* container) const {
    return container ? container->children() : stack_;
}

void Form::ZOrder(Control& control) {
    std::vector<Control*>& stack = mutableStackOf(control.container());
    auto it = std::ranges::find(stack, &control);
    if (it != stack.end()) std::rotate(it, it + 1, stack.end());
}

namespace {
Control* frontmostIn(const std::vector<Control*>& stack, Twips x, Twips y) {
    for (auto it = stack.rbegin(); it != stack.rend(); ++it) {
        Control* c = *it;
        if (!c->Visible || !c->Enabled || !c->contains(x, y)) continue;
        if (c->kind() == ControlKind::Frame) {
            const auto* frame = static_cast<const Frame*>(c);
            if (Control* child = frontmostIn(frame->children(), x - c->Left, y - c->Top)) return child;
        }
        return c;
    }
    return nullptr;
}
}  // namespace

Control* Form::controlAt(Twips x, Twips y) const { return frontmostIn(stack_, x, y); }

bool Form::isTabStop(const Control& control) const {
    if (!control.isReachable()) return false;
    // A command button keeps its own say, TabStop; anything else counts when a pupil can use it.
    if (control.kind() == ControlKind::CommandButton) return control.takesFocus();
    return control.events()->Click || !carryStops(control).empty();
}

namespace {
void collect(const std::vector<Control*>& stack, std::vector<const Control*>& order) {
    for (const Control* control : stack) {
        order.push_back(control);
        if (control->kind() == ControlKind::Frame) collect(static_cast<const Frame*>(control)->children(), order);
    }
}
}  // namespace

std::vector<const Control*> Form::everyControl() const {
    std::vector<const Control*> order;
    collect(stack_, order);
    return order;
}

std::string Form::accessibleName(const Control& control) const {
    switch (control.kind()) {
        case ControlKind::Label: return static_cast<const Label&>(control).Caption;
        case ControlKind::CommandButton: return static_cast<const CommandButton&>(control).Caption;
        default: return {};
    }
}

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> stops;
    for (const auto& c : controls_)
        if (isTabStop(*c)) stops.push_back(c.get());
    return inReadingOrder(std::move(stops));
}

void Form::setFocus(Control* control) { focused_ = control; }

// Where a screen starts, its designer's first button has the focus (the menus' exit button).
void Form::focusFirst() {
    Control* first = nullptr;
    for (const auto& c : controls_)
        if (c->takesFocus() && c->isReachable() && (!first || c->TabIndex < first->TabIndex)) first = c.get();
    focused_ = first;
}

void Form::activate(const Control& control) {
    if (control.isReachable() && control.events()->Click) control.events()->Click(control.Index());
}

void Form::takeMouse() {
    carry_.cancel();
    showsFocus_ = false;
}

bool Form::keyPress(Key key) {
    if (key == Key::Escape) {
        if (!carry_.isCarrying()) return false;
        carry_.cancel();
        return true;
    }
    showsFocus_ = true;
    switch (key) {
        case Key::Right:
        case Key::Down: carry_.step(1); break;
        case Key::Left:
        case Key::Up: carry_.step(-1); break;
        case Key::Enter:
        case Key::Space:
            if (carry_.isCarrying())
                carry_.putDown();
            else
                pressFocused();
            break;
        case Key::Tab:
        case Key::BackTab:
            // The focus stays with a carried control until it is put down.
            if (!carry_.isCarrying()) moveFocus(key);
            break;
        case Key::Escape: break;  // answered above
    }
    return true;
}

void Form::moveFocus(Key key) {
    const std::vector<Control*> order = tabOrder();
    if (order.empty()) return;
    const auto current = std::ranges::find(order, focused_);
    if (key == Key::Tab)
        focused_ = (current == order.end() || std::next(current) == order.end()) ? order.front() : *std::next(current);
    else
        focused_ = (current == order.end() || current == order.begin()) ? order.back() : *std::prev(current);
}

void Form::pressFocused() {
    const std::vector<Control*> order = tabOrder();
    if (order.empty()) return;
    if (std::ranges::find(order, focused_) == order.end()) focused_ = order.front();
    std::vector<TwipsPoint> stops = carryStops(*focused_);
    if (stops.empty())
        activate(*focused_);
    else
        carry_.pickUp(*focused_, std::move(stops));
}

}  // namespace lumenary
