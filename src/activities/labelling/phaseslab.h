#pragma once

#include "LabellingScreen.h"

namespace lumenary {

// Phases of the Moon: eight Moon pictures in two rows, to be labelled with their phases.
class phaseslab : public LabellingScreen {
public:
    phaseslab();
};

}  // namespace lumenary
