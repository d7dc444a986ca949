#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numbers>

namespace lumenary::artwork {
namespace {

using test::Body;
using test::brightness;

constexpr int skyThreshold = 10;  // any channel above this is planet, not black sky

TEST(PlanetPictures, EachIsARoundBodyFillingItsPictureLitFromTheUpperLeftAndSaturnRinged)
{
    for (const char* file : {"Images/mercurysm2.jpg", "Images/venussm.jpg", "Images/earthsm.jpg", "Images/marssm.jpg", "Images/jupitersm.jpg",
                             "Images/uranus.jpg", "Images/neptune.jpg", "Images/pluto.jpg"}) {
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
