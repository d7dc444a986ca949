#pragma once

#include "runtime/Twips.h"

namespace lumenary::Module1 {

// The outer size the standard set-up gives every screen but the title screen. The artwork tool
// reads it too, to draw the background at the size displays paint it.
inline constexpr Twips screenWidth = 12000;
inline constexpr Twips screenHeight = 9000;

}  // namespace lumenary::Module1
