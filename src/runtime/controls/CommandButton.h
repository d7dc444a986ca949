#pragma once

#include "../Color.h"
#include "../Picture.h"
#include "Control.h"
#include "Font.h"

#include <string>

namespace lumenary {

// A push button showing its caption, or its face picture when it has one. It takes the
// keyboard focus when TabStop is set; Enter or Space presses the focused button.
class CommandButton : public ControlOf<CommandButton, ControlKind::CommandButton> {
public:
    std::string Caption;
    lumenary::Picture Picture;
    Color BackColor = colors::silver;
    lumenary::Font Font;
    bool TabStop = true;

    bool takesFocus() const override { return TabStop; }
    std::string_view text() const override { return Caption; }
    AccessibleRole role() const override { return AccessibleRole::Button; }
    bool operator==(const CommandButton&) const = default;
};

}  // namespace lumenary
