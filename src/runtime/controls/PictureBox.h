#pragma once

#include "../Color.h"
#include "../Picture.h"
#include "Control.h"

namespace lumenary {

// A sunken, bordered box filled with its back colour, its picture drawn from the top-left
// corner inside the border and clipped to it. It can hold the keyboard focus.
class PictureBox : public ControlOf<PictureBox, ControlKind::PictureBox> {
public:
    lumenary::Picture Picture;
    Color BackColor = colors::silver;
    bool TabStop = true;

    bool takesFocus() const override { return TabStop; }
    AccessibleRole role() const override { return AccessibleRole::Graphic; }
    bool operator==(const PictureBox&) const = default;
};

}  // namespace lumenary
