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

TEST(MoonPhaseGeometry, PhasesStepFromNewThroughFullBackToNew)
{
    EXPECT_NEAR(moonPhaseAngle(0), 0.0, 1e-12);
    EXPECT_NEAR(moonPhaseAngle(2), pi / 2.0, 1e-12);
    EXPECT_NEAR(moonPhaseAngle(4), pi, 1e-12);
    EXPECT_NEAR(moonPhaseAngle(6), 3.0 * pi / 2.0, 1e-12);
}

TEST(MoonPhaseGeometry, LitAreaOfTheDiscMatchesTheSunMoonAngle)
{
    for (double angle = 0.0; angle < 2.0 * pi; angle += pi / 12.0) {
        SCOPED_TRACE(angle);
        constexpr int steps = 400;
        int inside = 0;
        int lit = 0;
        for (int i = 0; i < steps; ++i)
            for (int j = 0; j < steps; ++j) {
                const double x = -1.0 + (i + 0.5) * 2.0 / steps;
                const double y = -1.0 + (j + 0.5) * 2.0 / steps;
                if (x * x + y * y > 1.0)
                    continue;
                ++inside;
                lit += isMoonPointLit(angle, x, y) ? 1 : 0;
            }
        EXPECT_NEAR(double(lit) / inside, litShareOfDisc(angle), 0.01);
    }
}

TEST(MoonPhaseGeometry, TerminatorIsAHalfEllipseWithTheLitSideTowardTheSun)
{
    // Across each chord the terminator sits at |cos angle| of the half-chord: on the lit
    // side's far half for a crescent, the near half for a gibbous Moon. The lit side faces
    // the Sun: right while waxing, left while waning.
    constexpr double step = 1e-3;
    for (double angle : {pi / 6.0, pi / 3.0, 2.0 * pi / 3.0, 5.0 * pi / 6.0, 7.0 * pi / 6.0, 4.0 * pi / 3.0, 5.0 * pi / 3.0, 11.0 * pi / 6.0}) {
        const bool waxing = angle < pi;
        const double towardSun = waxing ? 1.0 : -1.0;
        for (double y : {-0.8, -0.3, 0.0, 0.5, 0.9}) {
            SCOPED_TRACE(testing::Message() << "angle " << angle << " y " << y);
            const double halfChord = std::sqrt(1.0 - y * y);
            const double terminator = towardSun * std::cos(angle) * halfChord;
            EXPECT_TRUE(isMoonPointLit(angle, terminator + towardSun * step, y));
            EXPECT_FALSE(isMoonPointLit(angle, terminator - towardSun * step, y));
        }
    }
}

// What a pupil should see in each picture: share of the disc lit and which side is bright.
enum class LitSide { Neither, Right, Left, Both };

struct PhasePicture {
    const char* file;
    LitSide side;
};

constexpr PhasePicture phasePictures[] = {
    {"Images/phases0.jpg", LitSide::Neither},  // New
    {"Images/phases1.jpg", LitSide::Right},    // Waxing Crescent
    {"Images/phases2.jpg", LitSide::Right},    // First Quarter
    {"Images/phases3.jpg", LitSide::Right},    // Waxing Gibbous
    {"Images/phases4.jpg", LitSide::Both},     // Full
    {"Images/phases5.jpg", LitSide::Left},     // Waning Gibbous
    {"Images/phases6.jpg", LitSide::Left},     // Last Quarter
    {"Images/phases7.jpg", LitSide::Left},     // Waning Crescent
};

// Brightness above which a disc pixel counts as sunlit, and above which it is part of the disc
// (the night side is very dark grey but must still show).
constexpr int sunlitBrightness = 60;
constexpr int discBrightness = 12;

TEST(MoonPhasePictures, DiscIsCentredAbout100PixelsAcrossAndAlwaysVisible)
{
    for (const PhasePicture& phase : phasePictures) {
        SCOPED_TRACE(phase.file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(phase.file));
        ASSERT_FALSE(image.isNull());
        const test::Body disc = test::findBody(image, discBrightness);
        EXPECT_NEAR(disc.bounds.width(), 100, 4);
        EXPECT_NEAR(disc.bounds.height(), 100, 4);
        EXPECT_NEAR(disc.pixelCount, pi * 50 * 50, 0.05 * pi * 50 * 50);
        EXPECT_NEAR(disc.centroid.x(), image.width() / 2.0, 1.5);
        EXPECT_NEAR(disc.centroid.y(), image.height() / 2.0, 1.5);
    }
}

TEST(MoonPhasePictures, LitShareAndSideMatchEachPhase)
{
    for (int index = 0; index < moonPhaseCount; ++index) {
        const PhasePicture& phase = phasePictures[index];
        SCOPED_TRACE(phase.file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(phase.file));
        ASSERT_FALSE(image.isNull());
        const test::Body disc = test::findBody(image, discBrightness);
        const double litShare = test::fractionOf(disc, [](QRgb c) { return brightness(c) > sunlitBrightness; });
        EXPECT_NEAR(litShare, litShareOfDisc(index * pi / 4.0), 0.06);

        const int middle = disc.bounds.center().x();
        const double left = test::meanBrightness(image, QRect(disc.bounds.topLeft(), QPoint(middle - 1, disc.bounds.bottom())));
        const double right = test::meanBrightness(image, QRect(QPoint(middle + 1, disc.bounds.top()), disc.bounds.bottomRight()));
        switch (phase.side) {
        case LitSide::Neither:
            EXPECT_LT(std::max(left, right), 30.0);
            break;
        case LitSide::Both:
            EXPECT_GT(std::min(left, right), 80.0);
            EXPECT_NEAR(left, right, 0.2 * std::max(left, right));
            break;
        case LitSide::Right:
            EXPECT_GT(right, left + 20.0);
            break;
        case LitSide::Left:
            EXPECT_GT(left, right + 20.0);
            break;
        }
    }
}

TEST(MoonPhasePictures, LitSurfaceShowsDarkMariaAndBrightHighlands)
{
    const QImage full = test::readProgramPicture(QStringLiteral("Images/phases4.jpg"));
    ASSERT_FALSE(full.isNull());
    const test::Body disc = test::findBody(full, discBrightness);
    const double maria = test::fractionOf(disc, [](QRgb c) { return brightness(c) > sunlitBrightness && brightness(c) < 130; });
    const double highlands = test::fractionOf(disc, [](QRgb c) { return brightness(c) > 160; });
    EXPECT_GT(maria, 0.1);
    EXPECT_GT(highlands, 0.3);
}

}  // namespace
}  // namespace lumenary::artwork
