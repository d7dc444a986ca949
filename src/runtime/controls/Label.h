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

// How a label looks, apart from its caption and its box: what a family of labels on a screen
// (menu entries, label buttons, texts on a board) has in common.
struct LabelStyle {
    lumenary::Font Font;
    Color ForeColor = colors::black;
    Color BackColor = colors::silver;
    int BackStyle = backStyle::opaque;
    bool BorderStyle = false;
    lumenary::Alignment Alignment = lumenary::Alignment::Left;
};

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

    Label& setStyle(const LabelStyle& style) {
        Font = style.Font, ForeColor = style.ForeColor, BackColor = style.BackColor;
        BackStyle = style.BackStyle, BorderStyle = style.BorderStyle, Alignment = style.Alignment;
        return *this;
    }
    std::string_view text() const override { return Caption; }
    // A label that is clicked is a button in all but looks.
    AccessibleRole role() const override { return events()->Click ? AccessibleRole::Button : AccessibleRole::Text; }
    bool operator==(const Label&) const = default;
};

}  // namespace lumenary
