#include "Form.h"

#include "ReadingOrder.h"
#include "Runtime.h"

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

std::string Form::describe(std::string_view name, int index) {
    return index >= 0 ? std::string(name) + "(" + std::to_string(index) + ")" : std::string(name);
}

Control* Form::find(std::string_view name, int index) const {
    const std::vector<Control*> all = everyControl();
    const auto found = std::find_if(all.begin(), all.end(), [&](const Control* c) { return c->name() == name && c->Index() == index; });
    return found == all.end() ? nullptr : *found;
}

Control& Form::controlNamed(std::string_view name, int index) const {
    if (Control* found = find(name, index)) return *found;
    throw RuntimeError("Form " + name_ + " has no control named " + describe(name, index));
}

Control& Form::adopt(std::unique_ptr<Control> control, std::string name, int index, Frame* container, const Control* stackAfter) {
    if (find(name, index)) throw RuntimeError("Form " + name_ + " already has a control " + describe(name, index));
    control->name_ = std::move(name);
    control->index_ = index;
    control->container_ = container;
    control->form_ = this;
    return listOf(container).insert(std::move(control), stackAfter);
}

Control& Form::addCopy(const Control& original, int index, const Control& stackAfter) {
    std::unique_ptr<Control> copy = original.clone();
    copy->Visible = false;
    return adopt(std::move(copy), original.name(), index, original.container(), &stackAfter);
}

ControlList& Form::listOf(Frame* container) { return container ? container->children() : controls_; }

void Form::ZOrder(Control& control) { listOf(control.container()).bringToFront(control); }

namespace {
void collect(const ControlList& list, std::vector<Control*>& order) {
    for (const auto& control : list) {
        order.push_back(control.get());
        if (const ControlList* children = control->children()) collect(*children, order);
    }
}
}  // namespace

std::vector<Control*> Form::everyControl() const {
    std::vector<Control*> order;
    collect(controls_, order);
    return order;
}

// Front to back is the painting order reversed: a frame's children before the frame itself.
Control* Form::controlAt(Twips x, Twips y) const {
    const std::vector<Control*> all = everyControl();
    const auto hit = std::find_if(all.rbegin(), all.rend(), [&](const Control* c) { return c->isReachable() && c->covers({x, y}); });
    return hit == all.rend() ? nullptr : *hit;
}

bool Form::isTabStop(const Control& control) const {
    if (!control.isReachable()) return false;
    // A command button keeps its own say, TabStop; anything else counts when a pupil can use it.
    if (control.kind() == ControlKind::CommandButton) return control.takesFocus();
    return control.events()->Click || !carryStops(control).empty();
}

std::string Form::accessibleName(const Control& control) const { return std::string(control.text()); }

std::vector<Control*> Form::tabOrder() const {
    std::vector<Control*> stops = everyControl();
    std::erase_if(stops, [&](const Control* c) { return !isTabStop(*c); });
    return inReadingOrder(std::move(stops));
}

void Form::setFocus(Control* control) { focused_ = control; }

// Where a screen starts, its designer's first button has the focus (the menus' exit button).
void Form::focusFirst() {
    Control* first = nullptr;
    for (Control* c : everyControl())
        if (c->takesFocus() && c->isReachable() && (!first || c->TabIndex < first->TabIndex)) first = c;
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
    const auto current = std::find(order.begin(), order.end(), focused_);
    if (key == Key::Tab)
        focused_ = (current == order.end() || std::next(current) == order.end()) ? order.front() : *std::next(current);
    else
        focused_ = (current == order.end() || current == order.begin()) ? order.back() : *std::prev(current);
}

void Form::pressFocused() {
    const std::vector<Control*> order = tabOrder();
    if (order.empty()) return;
    if (std::find(order.begin(), order.end(), focused_) == order.end()) focused_ = order.front();
    std::vector<TwipsPoint> stops = carryStops(*focused_);
    if (stops.empty())
        activate(*focused_);
    else
        carry_.pickUp(*focused_, std::move(stops));
}

}  // namespace lumenary
