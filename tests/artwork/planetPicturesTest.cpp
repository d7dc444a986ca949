#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numbers>

namespace lumenary::artwork {
namespace {

using test::Body;
using test::brightness;

// Any channel above this counts as part of the planet rather than the black sky.
constexpr int skyThreshold = 10;

bool isBlue(QRgb c) { return qBlue(c) > qRed(c) + 30 && qBlue(c) > qGreen(c); }
bool isGreen(QRgb c) { return qGreen(c) > qRed(c) + 8 && qGreen(c) > qBlue(c) + 8; }
bool isCloudWhite(QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}) > 170; }
bool isPaleNeutral(QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}) > 110 && std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}) < 45; }

// A picture of one planet and what makes it recognisable.
struct PlanetPicture {
    const char* file;
    std::function<void(const Body&)> checkColours;
};

const PlanetPicture roundPlanets[] = {
    {"Images/mercurysm2.jpg", [](const Body& b) {
        // Grey: no channel stands out.
        EXPECT_LT(std::max({b.meanRed, b.meanGreen, b.meanBlue}) - std::min({b.meanRed, b.meanGreen, b.meanBlue}), 0.15 * b.meanRed);
    }},
    {"Images/venussm.jpg", [](const Body& b) {
        // Pale yellow: red and green close together, blue clearly lower.
        EXPECT_NEAR(b.meanGreen, b.meanRed, 0.12 * b.meanRed);
        EXPECT_LT(b.meanBlue, 0.85 * b.meanGreen);
    }},
    {"Images/earthsm.jpg", [](const Body& b) {
        EXPECT_GT(test::fractionOf(b, isBlue), 0.25) << "oceans";
        EXPECT_GT(test::fractionOf(b, isGreen), 0.03) << "land";
        EXPECT_GT(test::fractionOf(b, isCloudWhite), 0.03) << "clouds";
    }},
    {"Images/marssm.jpg", [](const Body& b) {
        EXPECT_GT(b.meanRed, 1.5 * b.meanGreen);
        EXPECT_GT(b.meanRed, 1.8 * b.meanBlue);
        EXPECT_GT(test::fractionOf(b, isPaleNeutral), 0.01) << "polar cap";
    }},
    {"Images/jupitersm.jpg", [](const Body& b) {
        // Warm cream and brown bands, and the Great Red Spot.
        EXPECT_GT(b.meanRed, b.meanGreen);
        EXPECT_GT(b.meanGreen, b.meanBlue);
        EXPECT_GT(test::fractionOf(b, [](QRgb c) { return qRed(c) > 70 && qRed(c) > 1.65 * qGreen(c); }), 0.005) << "red spot";
    }},
    {"Images/uranus.jpg", [](const Body& b) {
        // Pale cyan: green and blue together, well above red.
        EXPECT_GT(b.meanGreen, 1.15 * b.meanRed);
        EXPECT_GT(b.meanBlue, 1.15 * b.meanRed);
        EXPECT_NEAR(b.meanGreen, b.meanBlue, 0.1 * b.meanBlue);
    }},
    {"Images/neptune.jpg", [](const Body& b) {
        EXPECT_GT(b.meanBlue, 2.0 * b.meanRed);
        EXPECT_GT(b.meanBlue, 1.4 * b.meanGreen);
    }},
    {"Images/pluto.jpg", [](const Body& b) {
        // Pale beige, with a much lighter heart-shaped plain.
        EXPECT_GT(b.meanRed, b.meanGreen);
        EXPECT_GT(b.meanGreen, b.meanBlue);
        EXPECT_GT(test::fractionOf(b, [](QRgb c) { return brightness(c) > 190; }), 0.04) << "light heart";
    }},
};

TEST(PlanetPictures, EachIsARoundBodyFillingItsPicture)
{
    for (const PlanetPicture& planet : roundPlanets) {
        SCOPED_TRACE(planet.file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(planet.file));
        ASSERT_FALSE(image.isNull());
        const Body body = test::findBody(image, skyThreshold);
        const double diameter = 0.9 * std::min(image.width(), image.height());
        EXPECT_NEAR(body.bounds.width(), diameter, 0.07 * diameter + 1.0);
        EXPECT_NEAR(body.bounds.height(), diameter, 0.07 * diameter + 1.0);
        // A disc fills pi/4 of its bounding square.
        const double fill = double(body.pixelCount) / (body.bounds.width() * body.bounds.height());
        EXPECT_NEAR(fill, std::numbers::pi / 4.0, 0.05);
        EXPECT_NEAR(body.bounds.center().x() + 0.5, image.width() / 2.0, 1.5);
        EXPECT_NEAR(body.bounds.center().y() + 0.5, image.height() / 2.0, 1.5);
    }
}

TEST(PlanetPictures, EachIsLitFromOneSideAndDarkensTowardTheOther)
{
    for (const PlanetPicture& planet : roundPlanets) {
        SCOPED_TRACE(planet.file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(planet.file));
        ASSERT_FALSE(image.isNull());
        const QRect bounds = test::findBody(image, skyThreshold).bounds;
        const QSize quarter = bounds.size() / 2;
        const double upperLeft = test::meanBrightness(image, QRect(bounds.topLeft(), quarter));
        const double lowerRight = test::meanBrightness(image, QRect(bounds.center(), quarter));
        EXPECT_GT(upperLeft, 1.4 * lowerRight);
    }
}

TEST(PlanetPictures, EachHasItsColours)
{
    for (const PlanetPicture& planet : roundPlanets) {
        SCOPED_TRACE(planet.file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(planet.file));
        ASSERT_FALSE(image.isNull());
        planet.checkColours(test::findBody(image, skyThreshold));
    }
}

TEST(PlanetPictures, SaturnsRingsSpanThePictureAroundAPaleGoldGlobe)
{
    const QImage image = test::readProgramPicture(QStringLiteral("Images/saturn.jpg"));
    ASSERT_FALSE(image.isNull());
    const Body body = test::findBody(image, skyThreshold);
    EXPECT_GT(body.bounds.width(), 0.9 * image.width());
    EXPECT_LT(body.bounds.height(), 0.8 * body.bounds.width()) << "rings seen at a slant";
    EXPECT_GT(body.meanRed, 1.2 * body.meanBlue);
    EXPECT_GT(body.meanGreen, body.meanBlue);

    // Sky shows through the gap between the globe and the rings on both sides.
    const int middleRow = image.height() / 2;
    int skyRuns = 0;
    bool inSky = true;
    for (int x = 0; x < image.width(); ++x) {
        const bool sky = brightness(image.pixel(x, middleRow)) <= skyThreshold;
        if (sky && !inSky)
            ++skyRuns;
        inSky = sky;
    }
    EXPECT_GE(skyRuns, 3) << "sky, ring, gap, globe, gap, ring, sky along the middle row";
}

}  // namespace
}  // namespace lumenary::artwork
