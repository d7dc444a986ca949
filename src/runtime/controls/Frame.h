#pragma once

#include "../Color.h"
#include "Control.h"

#include <optional>

namespace lumenary {

// A container: its children are placed relative to its top-left corner and stacked among
// themselves. Without a back colour of its own it shows the toolkit's frame colour.
class Frame : public ControlOf<Frame, ControlKind::Frame> {
public:
    std::optional<Color> BackColor;

    AccessibleRole role() const override { return AccessibleRole::Group; }
    const ControlList* children() const override { return &children_; }
    ControlList& children() { return children_; }
    bool operator==(const Frame&) const = default;

private:
    ControlList children_;
};

}  // namespace lumenary
