#include "SeededRandom.h"

#include <cmath>

namespace lumenary {

void SeededRandom::reseed(double secondsSinceMidnight) {
    // Hundredths of a second, so that two draws a moment apart differ.
    engine_.seed(static_cast<std::mt19937::result_type>(std::llround(secondsSinceMidnight * 100.0)));
}

float SeededRandom::next() {
    // 24 random bits make every float in [0, 1) equally spaced and never 1.
    return static_cast<float>(engine_() >> 8) / static_cast<float>(1u << 24);
}

}  // namespace lumenary
