#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace lumenary::artwork {
namespace {

using test::Body;
using test::brightness;

constexpr int skyThreshold = 10;  // any channel above this is planet, not black sky

int lowest(QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}); }
int spread(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) - lowest(c); }

TEST(PlanetPictures, EachShowsTheColoursThatMakeItKnownAndSaturnItsRings)
{
    const std::pair<const char*, std::function<void(const Body&)>> planets[] = {
        {"Images/mercurysm2.jpg", [](const Body& b) { EXPECT_LT(std::max({b.meanRed, b.meanGreen, b.meanBlue}) - std::min({b.meanRed, b.meanGreen, b.meanBlue}), 0.15 * b.meanRed) << "grey"; }},
        {"Images/venussm.jpg", [](const Body& b) { EXPECT_TRUE(std::abs(b.meanGreen - b.meanRed) < 0.12 * b.meanRed && b.meanBlue < 0.85 * b.meanGreen) << "pale yellow"; }},
        {"Images/earthsm.jpg", [](const Body& b) {
            EXPECT_GT(test::fractionOf(b, [](QRgb c) { return qBlue(c) > qRed(c) + 30 && qBlue(c) > qGreen(c); }), 0.25) << "oceans";
            EXPECT_GT(test::fractionOf(b, [](QRgb c) { return qGreen(c) > qRed(c) + 8 && qGreen(c) > qBlue(c) + 8; }), 0.03) << "land";
            EXPECT_GT(test::fractionOf(b, [](QRgb c) { return lowest(c) > 170; }), 0.03) << "clouds";
        }},
        {"Images/marssm.jpg", [](const Body& b) {
            EXPECT_TRUE(b.meanRed > 1.5 * b.meanGreen && b.meanRed > 1.8 * b.meanBlue) << "red";
            EXPECT_GT(test::fractionOf(b, [](QRgb c) { return lowest(c) > 110 && spread(c) < 45; }), 0.01) << "polar cap";
        }},
        {"Images/jupitersm.jpg", [](const Body& b) {
            EXPECT_TRUE(b.meanRed > b.meanGreen && b.meanGreen > b.meanBlue) << "warm cream and brown bands";
            EXPECT_GT(test::fractionOf(b, [](QRgb c) { return qRed(c) > 70 && qRed(c) > 1.65 * qGreen(c); }), 0.005) << "the Great Red Spot";
        }},
        {"Images/uranus.jpg", [](const Body& b) {
            EXPECT_TRUE(b.meanGreen > 1.15 * b.meanRed && b.meanBlue > 1.15 * b.meanRed && std::abs(b.meanGreen - b.meanBlue) < 0.1 * b.meanBlue) << "pale cyan";
        }},
        {"Images/neptune.jpg", [](const Body& b) { EXPECT_TRUE(b.meanBlue > 2.0 * b.meanRed && b.meanBlue > 1.4 * b.meanGreen) << "deep blue"; }},
        {"Images/pluto.jpg", [](const Body& b) {
            EXPECT_TRUE(b.meanRed > b.meanGreen && b.meanGreen > b.meanBlue) << "pale beige";
            EXPECT_GT(test::fractionOf(b, [](QRgb c) { return brightness(c) > 190; }), 0.04) << "a much lighter heart-shaped plain";
        }},
    };
    for (const auto& [file, hasItsColours] : planets) {
        SCOPED_TRACE(file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(file));
        ASSERT_FALSE(image.isNull());
        hasItsColours(test::findBody(image, skyThreshold));
    }
    // Saturn: rings at a slant across the picture around a pale gold globe, sky showing between.
    const QImage saturn = test::readProgramPicture(QStringLiteral("Images/saturn.jpg"));
    ASSERT_FALSE(saturn.isNull());
    const Body body = test::findBody(saturn, skyThreshold);
    EXPECT_GT(body.bounds.width(), 0.9 * saturn.width());
    EXPECT_LT(body.bounds.height(), 0.8 * body.bounds.width());
    EXPECT_TRUE(body.meanRed > 1.2 * body.meanBlue && body.meanGreen > body.meanBlue);
    int skyRuns = 0;  // sky, ring, gap, globe, gap, ring, sky along the middle row
    for (int x = 1; x < saturn.width(); ++x)
        skyRuns += brightness(saturn.pixel(x, saturn.height() / 2)) <= skyThreshold && brightness(saturn.pixel(x - 1, saturn.height() / 2)) > skyThreshold;
    EXPECT_GE(skyRuns, 3);
}

}  // namespace
}  // namespace lumenary::artwork
