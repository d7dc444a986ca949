#pragma once

#include "../Color.h"
#include "Control.h"

#include <optional>
#include <vector>

namespace lumenary {

// A container: its children are placed relative to its top-left corner and stacked among
// themselves. Without a back colour of its own it shows the toolkit's frame colour.
class Frame : public ControlOf<Frame, ControlKind::Frame> {
public:
    std::optional<Color> BackColor;

    // Back to front.
    const std::vector<Control*>& children() const { return children_; }

private:
    friend class Form;
    std::vector<Control*> children_;
};

}  // namespace lumenary
