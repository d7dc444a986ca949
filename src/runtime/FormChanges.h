#pragma once

#include "Color.h"
#include "Picture.h"
#include "Twips.h"
#include "controls/Control.h"

#include <optional>
#include <string>
#include <vector>

namespace lumenary {

class Form;

// What a window last showed of its form, kept as copies of the form's controls, so that after
// an event only what changed is repainted: a dragged label's old and new places, a text that
// appeared, a button that lit up, the focus that moved. Controls are compared by value, so a
// property added to a control kind is compared without anyone remembering to. A change to the
// form itself (its colour, picture or size, or which controls it has in what order) repaints
// everything.
class FormChanges {
public:
    struct Changes {
        bool everything = false;
        std::vector<TwipsRect> boxes;  // in client twips
    };

    // What differs between what was last shown and the form now; from then on the form as it
    // is now counts as shown.
    Changes since(const Form& form);

private:
    struct Focus {
        std::string name;
        int index = -1;
        TwipsRect box;
        bool shown = false;
        bool operator==(const Focus& other) const { return name == other.name && index == other.index && shown == other.shown; }
    };
    struct Shown {
        Color backColor;
        Picture picture;
        TwipsSize client;
        ControlList controls;
        std::optional<Focus> focus;
    };

    static Shown look(const Form& form);

    std::optional<Shown> shown_;
};

}  // namespace lumenary
