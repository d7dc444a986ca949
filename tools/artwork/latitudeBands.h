#pragma once

#include "colourMath.h"

#include <span>

namespace lumenary::artwork {

// One colour in a giant planet's cloud bands, at a latitude in degrees.
struct BandStop {
    double latitudeDegrees;
    Rgb colour;
};

// The band colour at a latitude, blended smoothly between the neighbouring stops. Stops run
// from north (+90) to south (-90).
Rgb bandColourAt(std::span<const BandStop> stops, double latitudeDegrees);

}  // namespace lumenary::artwork
