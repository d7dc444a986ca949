#pragma once

#include "runtime/Twips.h"

#include <QRegion>

#include <cstddef>
#include <vector>

namespace lumenary {

class Control;
class Form;

// What a window last showed of its form, control by control, so that after an event only
// what changed is repainted: a dragged label's old and new places, a text that appeared, a
// button that lit up. A change to the form itself (its colour, picture or stacking) or to the
// mapping repaints the whole window.
class FormDamage {
public:
    // The window pixels that differ between what was last shown and the form now; from then
    // on the form as it is now counts as shown.
    QRegion changes(const Form& form, const TwipsMapping& mapping);

private:
    struct Shown {
        const Control* control;
        QRect pixels;
        bool visible;
        std::size_t look;
    };

    static std::vector<Shown> shownNow(const Form& form, const TwipsMapping& mapping);
    static std::size_t formLook(const Form& form);

    bool known_ = false;
    TwipsMapping mapping_;
    std::size_t formLook_ = 0;
    std::vector<Shown> shown_;
};

}  // namespace lumenary
