#include "runtime/SeededRandom.h"

#include <gtest/gtest.h>

#include <vector>

namespace lumenary {
namespace {

std::vector<float> drawsAfterReseed(SeededRandom& random, double seconds, int count) {
    random.reseed(seconds);
    std::vector<float> draws;
    for (int i = 0; i < count; ++i) draws.push_back(random.next());
    return draws;
}

TEST(SeededRandomTest, DrawsAreInTheHalfOpenUnitIntervalAndSpreadOverIt) {
    SeededRandom random;
    random.reseed(45296.25);
    int lowHalf = 0;
    for (int i = 0; i < 10000; ++i) {
        const float r = random.next();
        ASSERT_GE(r, 0.0f);
        ASSERT_LT(r, 1.0f);
        lowHalf += r < 0.5f;
    }
    EXPECT_NEAR(lowHalf, 5000, 300);
}

TEST(SeededRandomTest, TheSameClockReadingRepeatsTheDrawsAndAMomentLaterDoesNot) {
    SeededRandom random;
    EXPECT_EQ(drawsAfterReseed(random, 3600.5, 5), drawsAfterReseed(random, 3600.5, 5));
    EXPECT_NE(drawsAfterReseed(random, 3600.5, 5), drawsAfterReseed(random, 3600.75, 5))
        << "two questions drawn within one second still differ";
}

}  // namespace
}  // namespace lumenary
