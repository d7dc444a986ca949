#include "pictureMeasurements.h"

#include <QColor>

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace lumenary::artwork {
namespace {

using test::brightness;

// Poles are painted as in textbooks: north red, south blue.
enum class Pole { None, North, South };

Pole poleOf(QRgb rgb)
{
    const QColor colour = QColor::fromRgb(rgb);
    const int hue = colour.hsvHue();
    if (colour.hsvSaturationF() < 0.55 || colour.valueF() < 0.35)
        return Pole::None;
    return hue <= 12 || hue >= 348 ? Pole::North : hue >= 205 && hue <= 250 ? Pole::South : Pole::None;
}

// North and south pixels on each column (lying == true) or each row of a picture.
struct PoleCount { int north = 0; int south = 0; };

std::vector<PoleCount> poleProfile(const QImage& image, bool lying)
{
    std::vector<PoleCount> profile(std::size_t(lying ? image.width() : image.height()));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const Pole pole = poleOf(image.pixel(x, y));
            PoleCount& line = profile[std::size_t(lying ? x : y)];
            line.north += pole == Pole::North ? 1 : 0;
            line.south += pole == Pole::South ? 1 : 0;
        }
    return profile;
}

// The widest run of lines without pole colours that has such lines on both sides.
std::pair<int, int> widestGap(const std::vector<PoleCount>& profile)
{
    std::pair<int, int> widest(0, -1);
    for (int at = 0, lastFilled = -1; at < int(profile.size()); ++at) {
        if (profile[std::size_t(at)].north + profile[std::size_t(at)].south == 0)
            continue;
        if (lastFilled >= 0 && at - lastFilled - 1 > widest.second - widest.first + 1)
            widest = {lastFilled + 1, at - 1};
        lastFilled = at;
    }
    return widest;
}

struct PairAnswer { const char* file; bool repel; };

constexpr PairAnswer pairAnswers[] = {
    {"Images/magnets1.bmp", false}, {"Images/magnets2.bmp", false}, {"Images/magnets3.bmp", true},
    {"Images/magnets4.bmp", true},  {"Images/magnets5.bmp", true},  {"Images/magnets6.bmp", true},
    {"Images/magnets7.bmp", false}, {"Images/magnets8.bmp", false},
};

class MagnetPairPicture : public testing::TestWithParam<PairAnswer> {};

TEST_P(MagnetPairPicture, FacingPolesGiveTheAnswer)
{
    SCOPED_TRACE(GetParam().file);
    const QImage image = test::readProgramPicture(QString::fromLatin1(GetParam().file));
    ASSERT_FALSE(image.isNull());
    // The magnets lie end to end in a row or one above the other: the gap between them runs
    // across their line.
    std::vector<PoleCount> profile;
    std::pair<int, int> gap;
    for (bool lying : {true, false})
        if (gap.second - gap.first < 8)
            gap = widestGap(profile = poleProfile(image, lying));
    ASSERT_GE(gap.second - gap.first, 8) << "no gap between two magnets";
    // North pixels minus south pixels on the three lines of a magnet beside the gap.
    const auto northAhead = [&](int from) {
        int ahead = 0;
        for (int at = from; at < from + 3; ++at)
            ahead += profile[std::size_t(at)].north - profile[std::size_t(at)].south;
        return ahead;
    };
    const int before = northAhead(gap.first - 3);
    const int after = northAhead(gap.second + 1);
    ASSERT_TRUE(before != 0 && after != 0) << "a facing pole is neither red nor blue";
    EXPECT_EQ((before > 0) == (after > 0), GetParam().repel) << "like poles repel, unlike poles attract";
}

INSTANTIATE_TEST_SUITE_P(EveryPicture, MagnetPairPicture, testing::ValuesIn(pairAnswers));

struct MaterialLook { const char* file; const char* looks; bool (*fits)(const QColor& colour); };

constexpr MaterialLook materialLooks[] = {
    {"Images/magmetal1.bmp", "warm orange-brown copper", [](const QColor& c) { return c.hsvHue() >= 12 && c.hsvHue() <= 40 && c.hsvSaturationF() > 0.35; }},
    {"Images/magmetal2.bmp", "dark grey iron", [](const QColor& c) { return c.hsvSaturationF() < 0.2 && brightness(c.rgb()) < 110; }},
    {"Images/magmetal3.bmp", "lighter neutral grey metal", [](const QColor& c) { return c.hsvSaturationF() < 0.06 && brightness(c.rgb()) > 140 && brightness(c.rgb()) < 210; }},
    {"Images/magmetal4.bmp", "vividly coloured plastic", [](const QColor& c) { return c.hsvSaturationF() > 0.85; }},
    {"Images/magmetal5.bmp", "pale bright mirror", [](const QColor& c) { return c.hsvSaturationF() < 0.25 && c.valueF() > 0.85; }},
};

class MagnetBesideMaterial : public testing::TestWithParam<MaterialLook> {};

TEST_P(MagnetBesideMaterial, ShowsAMagnetAndTheMaterialsColour)
{
    SCOPED_TRACE(GetParam().file);
    const QImage image = test::readProgramPicture(QString::fromLatin1(GetParam().file));
    ASSERT_FALSE(image.isNull());
    PoleCount poles;
    int magnetRight = 0;
    const std::vector<PoleCount> columns = poleProfile(image, true);
    for (int x = 0; x < image.width(); ++x) {
        const PoleCount& column = columns[std::size_t(x)];
        poles = {poles.north + column.north, poles.south + column.south};
        magnetRight = column.north + column.south > 0 ? x : magnetRight;
    }
    EXPECT_GT(poles.north, 2000);
    EXPECT_GT(poles.south, 2000);

    // The material is whatever stands out from the pale card beyond the magnet; its colour is
    // that of its middle pixel by brightness.
    const auto isCard = [](QRgb c) { return brightness(c) > 222 && QColor::fromRgb(c).hsvSaturationF() < 0.1; };
    QRect material;
    for (int y = 4; y < image.height() - 4; ++y)
        for (int x = magnetRight + 8; x < image.width() - 4; ++x)
            material |= isCard(image.pixel(x, y)) ? QRect() : QRect(x, y, 1, 1);
    ASSERT_GT(material.width() * material.height(), image.width() * image.height() / 8);
    std::vector<QRgb> colours;
    for (int y = material.top(); y <= material.bottom(); ++y)
        for (int x = material.left(); x <= material.right(); ++x)
            colours.push_back(image.pixel(x, y));
    const auto middle = colours.begin() + std::ptrdiff_t(colours.size() / 2);
    std::nth_element(colours.begin(), middle, colours.end(), [](QRgb a, QRgb b) { return brightness(a) < brightness(b); });
    const QColor seen = QColor::fromRgb(*middle);
    EXPECT_TRUE(GetParam().fits(seen)) << "should look like " << GetParam().looks << ", looks " << seen.name().toStdString();
}

INSTANTIATE_TEST_SUITE_P(EveryMaterial, MagnetBesideMaterial, testing::ValuesIn(materialLooks));

}  // namespace
}  // namespace lumenary::artwork
