#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace lumenary::artwork {
namespace {

using test::brightness;

constexpr double pi = std::numbers::pi;

// What a pupil should see in each picture: the share of the disc lit and which side is bright.
TEST(MoonPhasePictures, EachShowsAWholeCentredDiscLitAsItsPhase)
{
    enum Side { Neither, Right, Left, Both };
    const Side sides[] = {Neither, Right, Right, Right, Both, Left, Left, Left};  // New, waxing, Full, waning
    for (int phase = 0; phase < 8; ++phase) {
        SCOPED_TRACE(phase);
        const QImage image = test::readProgramPicture(QStringLiteral("Images/phases%1.jpg").arg(phase));
        ASSERT_FALSE(image.isNull());
        const test::Body disc = test::findBody(image, 12);  // the night side is very dark grey but shows
        EXPECT_NEAR(disc.bounds.width(), 100, 4);
        EXPECT_NEAR(disc.bounds.height(), 100, 4);
        EXPECT_NEAR(disc.pixelCount, pi * 50 * 50, 0.05 * pi * 50 * 50);
        EXPECT_NEAR(disc.centroid.x(), image.width() / 2.0, 1.5);
        EXPECT_NEAR(disc.centroid.y(), image.height() / 2.0, 1.5);
        // The lit share follows the Sun-Moon angle, a 45 degree step a phase: (1 - cos angle) / 2.
        EXPECT_NEAR(test::fractionOf(disc, [](QRgb c) { return brightness(c) > 60; }), (1.0 - std::cos(phase * pi / 4.0)) / 2.0, 0.06);
        const int middle = disc.bounds.center().x();
        const double left = test::meanBrightness(image, QRect(disc.bounds.topLeft(), QPoint(middle - 1, disc.bounds.bottom())));
        const double right = test::meanBrightness(image, QRect(QPoint(middle + 1, disc.bounds.top()), disc.bounds.bottomRight()));
        EXPECT_EQ(std::max(left, right) < 30.0, sides[phase] == Neither);
        EXPECT_EQ(std::min(left, right) > 80.0 && std::abs(left - right) < 0.2 * std::max(left, right), sides[phase] == Both);
        EXPECT_EQ(right > left + 20.0, sides[phase] == Right);
        EXPECT_EQ(left > right + 20.0, sides[phase] == Left);
    }
    const QImage full = test::readProgramPicture(QStringLiteral("Images/phases4.jpg"));
    const test::Body disc = test::findBody(full, 12);
    EXPECT_GT(test::fractionOf(disc, [](QRgb c) { return brightness(c) > 60 && brightness(c) < 130; }), 0.1) << "dark maria";
    EXPECT_GT(test::fractionOf(disc, [](QRgb c) { return brightness(c) > 160; }), 0.3) << "bright highlands";
}

}  // namespace
}  // namespace lumenary::artwork
