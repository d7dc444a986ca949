#pragma once

#include "runtime/AccessibilityChanges.h"

#include <QAccessible>

#include <map>
#include <vector>

namespace lumenary {

class Control;
class Form;
class FormWindow;

// The accessible interfaces of one window's controls, made when first asked for and deleted
// together when the window lets go of its form, so none outlives its control. After each
// handled event it tells assistive technology what changed: a text that appeared, went or was
// reworded, a label that came to rest on a target, the focus that moved.
class AccessibleControls {
public:
    explicit AccessibleControls(FormWindow& window) : window_(window) {}
    ~AccessibleControls() { forget(); }
    AccessibleControls(const AccessibleControls&) = delete;
    AccessibleControls& operator=(const AccessibleControls&) = delete;

    // The controls a form shows, back to front: its window's accessible children.
    static std::vector<Control*> shownOn(const Form& form);

    QAccessibleInterface* interfaceOf(const Control& control);
    void announceChanges(const Form& form);
    void forget();

private:
    void send(const Control& control, QAccessible::Event type);

    FormWindow& window_;
    std::map<const Control*, QAccessible::Id> ids_;
    AccessibilityChanges changes_;
};

}  // namespace lumenary
