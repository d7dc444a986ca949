#pragma once

#include "QuestionScreen.h"

namespace lumenary {

// Repel or Attract?, section 1: two magnets; will they attract, repel, or exert no force?
class magnets : public QuestionScreen {
public:
    static constexpr int attract = 0;
    static constexpr int repel = 1;
    magnets();
};

// Section 2: a magnet and a material; an attractive force, a repulsive one, or none? The same
// activity as section 1, laid out a little differently, with its own questions.
class magnets2 : public QuestionScreen {
public:
    static constexpr int attractive = 0;
    static constexpr int noForce = 2;
    magnets2();
};

}  // namespace lumenary
