#include "pictureMeasurements.h"

#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace lumenary::artwork {
namespace {

using test::brightness;

TEST(MenuPictures, TheBackgroundIsACalmBlueUnderLegibleYellowTheLogoNameStandsOutTheTitleIsFullColour)
{
    const QImage image = test::readProgramPicture(QStringLiteral("Images/tessil3.jpg"));
    ASSERT_FALSE(image.isNull());
    // Where the menus write yellow: the title band, the activity column, the menu column.
    for (const QRect& text : {QRect(QPoint(0, 8), QPoint(799, 63)), QRect(QPoint(210, 160), QPoint(590, 396)), QRect(QPoint(640, 160), QPoint(789, 396))}) {
        double weakest = 21.0;
        int darkest = 255, lightest = 0;
        for (int y = text.top(); y <= text.bottom(); ++y)
            for (int x = text.left(); x <= text.right(); ++x) {
                weakest = std::min(weakest, test::contrastRatio(image.pixel(x, y), qRgb(255, 255, 0)));
                darkest = std::min(darkest, brightness(image.pixel(x, y))), lightest = std::max(lightest, brightness(image.pixel(x, y)));
            }
        EXPECT_GE(weakest, 4.5) << text.left();
        EXPECT_LE(lightest - darkest, 50) << "the motif stays faint " << text.left();
    }
    const test::Body all = test::findBody(image, -1);
    EXPECT_TRUE(all.meanBlue > all.meanGreen && all.meanGreen > all.meanRed);
    EXPECT_LT(brightness(qRgb(int(all.meanRed), int(all.meanGreen), int(all.meanBlue))), brightness(qRgb(49, 135, 215))) << "darker than the menu blue";

    const QImage logo = test::readProgramPicture(QStringLiteral("Images/logo2.jpg"));
    ASSERT_FALSE(logo.isNull());
    const test::Body plate = test::findBody(logo.copy(8, logo.height() * 2 / 3, logo.width() - 16, logo.height() / 6), -1);  // below the emblem
    const auto [dimmest, brightest] = std::ranges::minmax(plate.colours, {}, brightness);
    EXPECT_GE(test::contrastRatio(dimmest, brightest), 7.0);
    EXPECT_GT(test::fractionOf(plate, [](QRgb c) { return brightness(c) > 180; }), 0.08) << "the name's letters";

    const test::Body title = test::findBody(test::readProgramPicture(QStringLiteral("opening/tessil00.gif")), -1);
    EXPECT_GE(QSet<QRgb>(title.colours.begin(), title.colours.end()).size(), 128) << "colour detail lost in the GIF";
    EXPECT_GT(test::fractionOf(title, [](QRgb c) { return qRed(c) > 220 && qGreen(c) > 140 && qBlue(c) < 110; }), 0.02) << "a glowing sun";
    EXPECT_GT(test::fractionOf(title, [](QRgb c) { return brightness(c) < 60 && qBlue(c) > qRed(c); }), 0.3) << "a night sky";
}

}  // namespace
}  // namespace lumenary::artwork
