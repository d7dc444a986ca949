#pragma once

#include <map>
#include <string>
#include <vector>

namespace lumenary {

class Control;
class Form;

// What assistive technology must hear after an event, found by comparing each control of a form
// with what it was last told: a control shown or hidden, a shown one renamed or redescribed
// (a score that appeared, a label that came to rest on a target), and the focus moved to a
// shown control. Both bindings tell it in their own words.
class AccessibilityChanges {
public:
    enum class Kind { Shown, Hidden, Renamed, Redescribed, Focused };
    struct Change {
        const Control* control;
        Kind kind;
        bool operator==(const Change&) const = default;
    };

    // The changes since the last call. The first look, and the first after forget(), tells only
    // where the focus is: what is there already is read as the screen is explored, not announced.
    std::vector<Change> since(const Form& form);
    void forget();

private:
    struct Seen {
        bool shown;
        std::string name;
        std::string description;
    };

    std::map<const Control*, Seen> seen_;
    const Control* focused_ = nullptr;
};

}  // namespace lumenary
