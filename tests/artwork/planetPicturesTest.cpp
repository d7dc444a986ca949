#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <numbers>

namespace lumenary::artwork {
namespace {

using test::Body;
using test::brightness;

constexpr int skyThreshold = 10;  // any channel above this is planet, not black sky

int spread(QRgb c) { return std::max({qRed(c), qGreen(c), qBlue(c)}) - std::min({qRed(c), qGreen(c), qBlue(c)}); }

// A picture of one planet and the colours that make it recognisable.
const std::pair<const char*, std::function<void(const Body&)>> planets[] = {
    {"Images/mercurysm2.jpg", [](const Body& b) {  // grey
        EXPECT_LT(std::max({b.meanRed, b.meanGreen, b.meanBlue}) - std::min({b.meanRed, b.meanGreen, b.meanBlue}), 0.15 * b.meanRed);
    }},
    {"Images/venussm.jpg", [](const Body& b) {  // pale yellow
        EXPECT_NEAR(b.meanGreen, b.meanRed, 0.12 * b.meanRed);
        EXPECT_LT(b.meanBlue, 0.85 * b.meanGreen);
    }},
    {"Images/earthsm.jpg", [](const Body& b) {
        EXPECT_GT(test::fractionOf(b, [](QRgb c) { return qBlue(c) > qRed(c) + 30 && qBlue(c) > qGreen(c); }), 0.25) << "oceans";
        EXPECT_GT(test::fractionOf(b, [](QRgb c) { return qGreen(c) > qRed(c) + 8 && qGreen(c) > qBlue(c) + 8; }), 0.03) << "land";
        EXPECT_GT(test::fractionOf(b, [](QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}) > 170; }), 0.03) << "clouds";
    }},
    {"Images/marssm.jpg", [](const Body& b) {
        EXPECT_GT(b.meanRed, 1.5 * b.meanGreen);
        EXPECT_GT(b.meanRed, 1.8 * b.meanBlue);
        EXPECT_GT(test::fractionOf(b, [](QRgb c) { return std::min({qRed(c), qGreen(c), qBlue(c)}) > 110 && spread(c) < 45; }), 0.01) << "polar cap";
    }},
    {"Images/jupitersm.jpg", [](const Body& b) {  // warm cream and brown bands, and the Great Red Spot
        EXPECT_GT(b.meanRed, b.meanGreen);
        EXPECT_GT(b.meanGreen, b.meanBlue);
        EXPECT_GT(test::fractionOf(b, [](QRgb c) { return qRed(c) > 70 && qRed(c) > 1.65 * qGreen(c); }), 0.005) << "red spot";
    }},
    {"Images/uranus.jpg", [](const Body& b) {  // pale cyan
        EXPECT_GT(b.meanGreen, 1.15 * b.meanRed);
        EXPECT_GT(b.meanBlue, 1.15 * b.meanRed);
        EXPECT_NEAR(b.meanGreen, b.meanBlue, 0.1 * b.meanBlue);
    }},
    {"Images/neptune.jpg", [](const Body& b) {
        EXPECT_GT(b.meanBlue, 2.0 * b.meanRed);
        EXPECT_GT(b.meanBlue, 1.4 * b.meanGreen);
    }},
    {"Images/pluto.jpg", [](const Body& b) {  // pale beige, with a much lighter heart-shaped plain
        EXPECT_GT(b.meanRed, b.meanGreen);
        EXPECT_GT(b.meanGreen, b.meanBlue);
        EXPECT_GT(test::fractionOf(b, [](QRgb c) { return brightness(c) > 190; }), 0.04) << "light heart";
    }},
};

TEST(PlanetPictures, EachIsARoundBodyFillingItsPictureLitFromOneSideInItsOwnColours)
{
    for (const auto& [file, hasItsColours] : planets) {
        SCOPED_TRACE(file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(file));
        ASSERT_FALSE(image.isNull());
        const Body body = test::findBody(image, skyThreshold);
        const double diameter = 0.9 * std::min(image.width(), image.height());
        EXPECT_NEAR(body.bounds.width(), diameter, 0.07 * diameter + 1.0);
        EXPECT_NEAR(body.bounds.height(), diameter, 0.07 * diameter + 1.0);
        EXPECT_NEAR(double(body.pixelCount) / (body.bounds.width() * body.bounds.height()), std::numbers::pi / 4.0, 0.05) << "a disc";
        EXPECT_NEAR(body.bounds.center().x() + 0.5, image.width() / 2.0, 1.5);
        EXPECT_NEAR(body.bounds.center().y() + 0.5, image.height() / 2.0, 1.5);
        const QSize quarter = body.bounds.size() / 2;
        EXPECT_GT(test::meanBrightness(image, QRect(body.bounds.topLeft(), quarter)), 1.4 * test::meanBrightness(image, QRect(body.bounds.center(), quarter)));
        hasItsColours(body);
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
    int skyRuns = 0;  // sky, ring, gap, globe, gap, ring, sky along the middle row
    for (int x = 1; x < image.width(); ++x)
        skyRuns += brightness(image.pixel(x, image.height() / 2)) <= skyThreshold && brightness(image.pixel(x - 1, image.height() / 2)) > skyThreshold;
    EXPECT_GE(skyRuns, 3);
}

}  // namespace
}  // namespace lumenary::artwork
