#include "pictureMeasurements.h"

#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>

namespace lumenary::artwork {
namespace {

using test::brightness;

const QRgb menuYellow = qRgb(255, 255, 0);

// Where the menu screen draws its yellow words on the background.
struct TextArea {
    const char* name;
    QRect area;
};

const TextArea menuTextAreas[] = {
    {"title band",      QRect(QPoint(0, 8),     QPoint(799, 63))},
    {"activity column", QRect(QPoint(210, 160), QPoint(590, 396))},
    {"menu column",     QRect(QPoint(640, 160), QPoint(789, 396))},
};

TEST(MenuBackground, YellowTextStaysLegibleEverywhereItIsWritten)
{
    const QImage image = test::readProgramPicture(QStringLiteral("Images/tessil3.jpg"));
    ASSERT_FALSE(image.isNull());
    for (const TextArea& text : menuTextAreas) {
        SCOPED_TRACE(text.name);
        double weakest = 21.0;
        int darkest = 255;
        int lightest = 0;
        for (int y = text.area.top(); y <= text.area.bottom(); ++y)
            for (int x = text.area.left(); x <= text.area.right(); ++x) {
                const QRgb colour = image.pixel(x, y);
                weakest = std::min(weakest, test::contrastRatio(colour, menuYellow));
                darkest = std::min(darkest, brightness(colour));
                lightest = std::max(lightest, brightness(colour));
            }
        EXPECT_GE(weakest, 4.5);
        EXPECT_LE(lightest - darkest, 50) << "the motif must stay faint";
    }
}

TEST(MenuBackground, IsACalmBlueDarkerThanTheProgramsMenuBlue)
{
    const QImage image = test::readProgramPicture(QStringLiteral("Images/tessil3.jpg"));
    ASSERT_FALSE(image.isNull());
    const test::Body all = test::findBody(image, -1);
    EXPECT_GT(all.meanBlue, all.meanGreen);
    EXPECT_GT(all.meanGreen, all.meanRed);
    EXPECT_LT(brightness(qRgb(int(all.meanRed), int(all.meanGreen), int(all.meanBlue))), brightness(qRgb(49, 135, 215)));
}

TEST(PublisherLogo, NameStandsOutOnThePlate)
{
    const QImage image = test::readProgramPicture(QStringLiteral("Images/logo2.jpg"));
    ASSERT_FALSE(image.isNull());
    // The name sits in the lower part, below the emblem.
    const QRect nameBand(8, image.height() * 2 / 3, image.width() - 16, image.height() / 6);
    const test::Body plate = test::findBody(image.copy(nameBand), -1);
    const auto [dimmest, brightest] = std::minmax_element(plate.colours.begin(), plate.colours.end(),
                                                           [](QRgb a, QRgb b) { return brightness(a) < brightness(b); });
    EXPECT_GE(test::contrastRatio(*dimmest, *brightest), 7.0);
    EXPECT_GT(test::fractionOf(plate, [&](QRgb c) { return brightness(c) > 180; }), 0.08) << "letters";
}

TEST(TitleArtwork, IsAFullColourGifWithAGlowingSun)
{
    QImageReader reader(QStringLiteral(LUMENARY_APP_DIR "/opening/tessil00.gif"));
    EXPECT_EQ(reader.format().toStdString(), "gif");
    const QImage image = reader.read().convertToFormat(QImage::Format_RGB32);
    ASSERT_FALSE(image.isNull());
    const test::Body all = test::findBody(image, -1);

    QSet<QRgb> distinct(all.colours.begin(), all.colours.end());
    EXPECT_GE(distinct.size(), 128) << "colour detail lost in the GIF";
    const double sunGold = test::fractionOf(all, [](QRgb c) { return qRed(c) > 220 && qGreen(c) > 140 && qBlue(c) < 110; });
    const double nightSky = test::fractionOf(all, [](QRgb c) { return brightness(c) < 60 && qBlue(c) > qRed(c); });
    EXPECT_GT(sunGold, 0.02);
    EXPECT_GT(nightSky, 0.3);
}

}  // namespace
}  // namespace lumenary::artwork
