#pragma once

#include "runtime/controls/Label.h"

namespace lumenary {

// The hover highlight of label buttons and menu entries: a label turns opaque while the
// pointer moves over it, and transparent again when the pointer crosses the bare background.
// There is no event for leaving a label, so several may stay lit until then.
inline void showHover(Label& label, bool underPointer) {
    label.BackStyle = underPointer ? backStyle::opaque : backStyle::transparent;
}

}  // namespace lumenary
