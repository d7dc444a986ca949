#pragma once

#include "../Color.h"
#include "Control.h"
#include "Font.h"

#include <string>

namespace lumenary {

enum class Alignment { Left, Right, Center };

namespace backStyle {
inline constexpr int transparent = 0;
inline constexpr int opaque = 1;
}  // namespace backStyle

// Text in a box: word-wrapped to its width, lines drawn from the top, clipped to the box.
// A disabled label shows greyed text and takes no mouse events.
class Label : public ControlOf<Label, ControlKind::Label> {
public:
    std::string Caption;
    Color BackColor = colors::silver;
    Color ForeColor = colors::black;
    lumenary::Font Font;
    int BackStyle = backStyle::opaque;
    bool BorderStyle = false;  // true: a thin sunken edge
    lumenary::Alignment Alignment = lumenary::Alignment::Left;
};

}  // namespace lumenary
