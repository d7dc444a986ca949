#pragma once

#include "QuestionScreen.h"

namespace lumenary {

// Newton Meter: a spring balance weighing a ball bearing; the pupil reads the weight off the
// scale, and Answer reveals it.
class newtonmeter : public QuestionScreen {
public:
    newtonmeter();
    // The weight shown, in newtons: 1 to 10.
    int weight() const { return questionNumber() + 1; }
};

}  // namespace lumenary
