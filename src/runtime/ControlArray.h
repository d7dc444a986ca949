#pragma once

#include "Form.h"
#include "RuntimeError.h"
#include "controls/Control.h"

#include <map>
#include <string>

namespace lumenary {

// Controls of one kind sharing a name, told apart by an index. Handlers are set once on the
// array and serve every element, present and future. Load makes a new element at run time as
// a copy of element 0, hidden.
template <class C>
class ControlArray {
public:
    ControlArray(Form& form, std::string name) : form_(form), name_(std::move(name)) {}

    // An element that exists from the start (placed in the screen's design).
    C& add(int index, Frame* container = nullptr) {
        C& made = form_.add<C>(name_, index, container);
        made.events_ = events_;
        elements_[index] = &made;
        return made;
    }

    C& Load(int index) {
        if (elements_.contains(index))
            throw RuntimeError("Control array " + name_ + " already has an element " + std::to_string(index));
        const C& original = (*this)[0];
        const Control& highest = *elements_.rbegin()->second;
        auto& made = static_cast<C&>(form_.addCopy(original, index, highest));
        elements_[index] = &made;
        return made;
    }

    C& operator[](int index) const {
        auto it = elements_.find(index);
        if (it == elements_.end())
            throw RuntimeError("Control array " + name_ + " on form " + form_.name() + " has no element " + std::to_string(index));
        return *it->second;
    }
    bool exists(int index) const { return elements_.contains(index); }

    // The handlers shared by every element.
    ControlEvents& events() { return *events_; }

private:
    Form& form_;
    std::string name_;
    std::map<int, C*> elements_;
    std::shared_ptr<ControlEvents> events_ = std::make_shared<ControlEvents>();
};

}  // namespace lumenary
