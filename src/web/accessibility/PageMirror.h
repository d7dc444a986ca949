#pragma once

#include "runtime/AccessibilityChanges.h"
#include "runtime/Twips.h"

#include <vector>

namespace lumenary {

class Control;
class Form;

// The top form's controls as the page's own elements, for assistive technology, kept in step
// with the form after every handled event as the desktop's AccessibleControls are: each shown
// control one element over its place (a button for what a click uses, with its caption; an
// image with the screen's neutral name; a text; a name label as a control that can be picked up,
// its description saying where it rests, "on target 4", and how the keys carry it), disabled
// ones marked so, and the form's focus followed. A text that appears
// or is reworded is announced through the page's polite live region.
class PageMirror {
public:
    // `fresh`: another form than last time, whose texts are there to be read, not announced.
    void show(const Form& form, const TwipsMapping& mapping, bool fresh);
    // The control a mirrored element stands for, while it is still shown; none otherwise.
    const Control* controlAt(const Form& form, int index) const;
    void clear();

private:
    std::vector<const Control*> shown_;
    AccessibilityChanges changes_;
};

}  // namespace lumenary
