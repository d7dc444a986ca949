#pragma once

#include <random>

namespace lumenary {

// Uniform random numbers in [0, 1), reseeded from a clock reading on request. Reseeding from
// the time of day before every draw is how the question screens pick their questions.
class SeededRandom {
public:
    void reseed(double secondsSinceMidnight);
    float next();

private:
    std::mt19937 engine_{0};
};

}  // namespace lumenary
