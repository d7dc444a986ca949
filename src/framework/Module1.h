#pragma once

namespace lumenary {

class Form;

// The standard screen set-up that every screen but the title screen runs first in its
// Form_Load: a 12000 x 9000-twip window in the standard colour, without an icon, centred on
// the desktop; and the standard command buttons, found by name, given faces and places.
namespace Module1 {
void setupform(Form& screen);
}

}  // namespace lumenary
