#pragma once

#include "ScreenSize.h"

namespace lumenary {

class Form;

// The standard screen set-up that every screen but the title screen runs first in its
// Form_Load: a 12000 x 9000-twip window in the standard colour, without an icon, centred on
// the desktop; and the standard command buttons, found by name, given faces and places.
namespace Module1 {

// The standard buttons' size, and where the exit button sits: the bottom left corner.
inline constexpr Twips buttonWidth = 1785;
inline constexpr Twips buttonHeight = 495;
inline constexpr TwipsPoint exitButtonPlace{60, 7950};

void setupform(Form& screen);

}  // namespace Module1
}  // namespace lumenary
