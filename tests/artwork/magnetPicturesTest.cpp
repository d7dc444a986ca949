#include "pictureMeasurements.h"

#include <QColor>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace lumenary::artwork {
namespace {

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

}  // namespace
}  // namespace lumenary::artwork
