#include "moonPhaseGeometry.h"

#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace lumenary::artwork {
namespace {

using test::brightness;

constexpr double pi = std::numbers::pi;

// Lit share of the disc from the Sun-Moon angle: (1 - cos angle) / 2.
double litShareOfDisc(double phaseAngle) { return (1.0 - std::cos(phaseAngle)) / 2.0; }

TEST(MoonPhaseGeometry, TheLitAreaOfTheDiscFollowsTheSunMoonAngleOnTheSideTowardTheSun)
{
    for (double angle = 0.0; angle < 2.0 * pi; angle += pi / 12.0) {
        SCOPED_TRACE(angle);
        constexpr int steps = 400;
        int inside = 0, lit = 0, litRight = 0;
        for (int i = 0; i < steps; ++i)
            for (int j = 0; j < steps; ++j) {
                const double x = -1.0 + (i + 0.5) * 2.0 / steps, y = -1.0 + (j + 0.5) * 2.0 / steps;
                if (x * x + y * y > 1.0)
                    continue;
                ++inside;
                lit += isMoonPointLit(angle, x, y) ? 1 : 0;
                litRight += isMoonPointLit(angle, x, y) && x > 0 ? 1 : 0;
            }
        EXPECT_NEAR(double(lit) / inside, litShareOfDisc(angle), 0.01);
        if (std::abs(std::sin(angle)) > 0.1) {
            EXPECT_EQ(litRight > lit - litRight, std::sin(angle) > 0) << "lit on the right while waxing, on the left while waning";
        }
    }
}

// What a pupil should see in each picture: the share of the disc lit and which side is bright.
TEST(MoonPhasePictures, EachShowsAWholeCentredDiscLitAsItsPhase)
{
    enum Side { Neither, Right, Left, Both };
    const Side sides[] = {Neither, Right, Right, Right, Both, Left, Left, Left};  // New, waxing, Full, waning
    for (int phase = 0; phase < moonPhaseCount; ++phase) {
        SCOPED_TRACE(phase);
        const QImage image = test::readProgramPicture(QStringLiteral("Images/phases%1.jpg").arg(phase));
        ASSERT_FALSE(image.isNull());
        const test::Body disc = test::findBody(image, 12);  // the night side is very dark grey but shows
        EXPECT_NEAR(disc.bounds.width(), 100, 4);
        EXPECT_NEAR(disc.bounds.height(), 100, 4);
        EXPECT_NEAR(disc.pixelCount, pi * 50 * 50, 0.05 * pi * 50 * 50);
        EXPECT_NEAR(disc.centroid.x(), image.width() / 2.0, 1.5);
        EXPECT_NEAR(disc.centroid.y(), image.height() / 2.0, 1.5);
        EXPECT_NEAR(test::fractionOf(disc, [](QRgb c) { return brightness(c) > 60; }), litShareOfDisc(phase * pi / 4.0), 0.06);
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
