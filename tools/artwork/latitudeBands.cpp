#include "latitudeBands.h"

namespace lumenary::artwork {

Rgb bandColourAt(std::span<const BandStop> stops, double latitudeDegrees)
{
    if (latitudeDegrees >= stops.front().latitudeDegrees)
        return stops.front().colour;
    for (std::size_t i = 1; i < stops.size(); ++i) {
        const BandStop& north = stops[i - 1];
        const BandStop& south = stops[i];
        if (latitudeDegrees >= south.latitudeDegrees) {
            const double t = (north.latitudeDegrees - latitudeDegrees) / (north.latitudeDegrees - south.latitudeDegrees);
            return mix(north.colour, south.colour, smoothstep(0.0, 1.0, t));
        }
    }
    return stops.back().colour;
}

}  // namespace lumenary::artwork
