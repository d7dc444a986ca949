#include <QColor>
#include <QDir>
#include <QImage>
#include <QImageReader>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

// What the pictures show that the activities' answers depend on: the lit share of each Moon,
// the mark each newton meter points at, and the poles two magnets turn to each other.
namespace lumenary::artwork {
namespace {

constexpr double pi = std::numbers::pi;

// A picture the build wrote into the program folder, read with Qt's decoder; null if missing.
QImage readProgramPicture(const QString& relativePath) {
    return QImageReader(QDir(QStringLiteral(LUMENARY_APP_DIR)).filePath(relativePath)).read().convertToFormat(QImage::Format_RGB32);
}

int brightness(QRgb colour) { return qGray(colour); }

// The pixels brighter than a threshold (in any channel) on a black ground. The bounds span the
// rows and columns holding at least two such pixels, so a lone speck of JPEG ringing in the
// sky does not stretch them.
struct Body {
    int pixelCount = 0;
    QRect bounds;
    QPointF centroid;
    std::vector<QRgb> colours;

    template <typename Predicate>
    double fractionOf(Predicate test) const {
        return colours.empty() ? 0.0 : double(std::ranges::count_if(colours, test)) / double(colours.size());
    }
};

Body findBody(const QImage& image, int threshold) {
    Body body;
    std::vector<int> perColumn(std::size_t(image.width()), 0), perRow(std::size_t(image.height()), 0);
    double sumX = 0.0, sumY = 0.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (std::max({qRed(c), qGreen(c), qBlue(c)}) <= threshold) continue;
            ++body.pixelCount, ++perColumn[std::size_t(x)], ++perRow[std::size_t(y)];
            sumX += x + 0.5, sumY += y + 0.5;
            body.colours.push_back(c);
        }
    const auto span = [](const std::vector<int>& counts) {  // the first and last with two or more
        const auto first = std::ranges::find_if(counts, [](int n) { return n >= 2; });
        const auto last = std::find_if(counts.rbegin(), counts.rend(), [](int n) { return n >= 2; });
        return first == counts.end() ? std::pair(0, -1) : std::pair(int(first - counts.begin()), int(counts.rend() - last) - 1);
    };
    const auto [left, right] = span(perColumn);
    const auto [top, bottom] = span(perRow);
    body.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    if (body.pixelCount > 0) body.centroid = QPointF(sumX / body.pixelCount, sumY / body.pixelCount);
    return body;
}

double meanBrightness(const QImage& image, const QRect& area) {
    double sum = 0.0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) sum += brightness(image.pixel(x, y));
    return clipped.isEmpty() ? 0.0 : sum / (clipped.width() * clipped.height());
}

// What a pupil should see in each picture: the share of the disc lit and which side is bright.
TEST(MoonPhasePictures, EachShowsAWholeCentredDiscLitAsItsPhase) {
    enum Side { Neither, Right, Left, Both };
    const Side sides[] = {Neither, Right, Right, Right, Both, Left, Left, Left};  // New, waxing, Full, waning
    for (int phase = 0; phase < 8; ++phase) {
        SCOPED_TRACE(phase);
        const QImage image = readProgramPicture(QStringLiteral("Images/phases%1.jpg").arg(phase));
        ASSERT_FALSE(image.isNull());
        const Body disc = findBody(image, 12);  // the night side is very dark grey but shows
        EXPECT_NEAR(disc.bounds.width(), 100, 4);
        EXPECT_NEAR(disc.bounds.height(), 100, 4);
        EXPECT_NEAR(disc.pixelCount, pi * 50 * 50, 0.05 * pi * 50 * 50);
        EXPECT_NEAR(disc.centroid.x(), image.width() / 2.0, 1.5);
        EXPECT_NEAR(disc.centroid.y(), image.height() / 2.0, 1.5);
        // The lit share follows the Sun-Moon angle, a 45 degree step a phase: (1 - cos angle) / 2.
        EXPECT_NEAR(disc.fractionOf([](QRgb c) { return brightness(c) > 60; }), (1.0 - std::cos(phase * pi / 4.0)) / 2.0, 0.06);
        const int middle = disc.bounds.center().x();
        const double left = meanBrightness(image, QRect(disc.bounds.topLeft(), QPoint(middle - 1, disc.bounds.bottom())));
        const double right = meanBrightness(image, QRect(QPoint(middle + 1, disc.bounds.top()), disc.bounds.bottomRight()));
        EXPECT_EQ(std::max(left, right) < 30.0, sides[phase] == Neither);
        EXPECT_EQ(std::min(left, right) > 80.0 && std::abs(left - right) < 0.2 * std::max(left, right), sides[phase] == Both);
        EXPECT_EQ(right > left + 20.0, sides[phase] == Right);
        EXPECT_EQ(left > right + 20.0, sides[phase] == Left);
    }
}

// Scale marks are thin, level dark strokes with the pale plate just above and below them.
constexpr int inkBrightness = 100;
constexpr int plateBrightness = 180;
constexpr int fullScale = 10;

// Centre rows of the marks one column of pixels crosses, top to bottom.
std::vector<double> marksInColumn(const QImage& image, int x) {
    std::vector<double> rows;
    const auto ink = [&](int y, int dx = 0) { return brightness(image.pixel(std::clamp(x + dx, 0, image.width() - 1), y)) < inkBrightness; };
    const auto plate = [&](int y) { return y < image.height() && brightness(image.pixel(x, y)) > plateBrightness; };
    for (int y = 1, end = 1; y < image.height(); y = std::max(y + 1, end)) {
        for (end = y; end < image.height() && ink(end);)
            ++end;
        if (end > y && end - y <= 4 && plate(y - 1) && plate(end) && ink((y + end) / 2, -3) && ink((y + end) / 2, 3))
            rows.push_back((y + end) / 2.0);
    }
    return rows;
}

// The scale is wherever a column crosses the most marks.
std::vector<double> scaleMarks(const QImage& image) {
    std::vector<double> best;
    for (int x = 0; x < image.width(); ++x)
        best = std::max(best, marksInColumn(image, x), [](const auto& a, const auto& b) { return a.size() < b.size(); });
    return best;
}

// Centre row of the vivid red pointer.
double pointerRow(const QImage& image) {
    double rows = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.hsvSaturationF() > 0.6 && c.valueF() > 0.5 && (c.hsvHue() <= 15 || c.hsvHue() >= 345))
                rows += y + 0.5, ++count;
    return count > 0 ? rows / count : -100.0;
}

class NewtonMeterPicture : public testing::TestWithParam<int> {};

TEST_P(NewtonMeterPicture, PointerSitsOnTheMarkForItsForceAndNoOther) {
    const int newtons = GetParam();
    const QImage image = readProgramPicture(QStringLiteral("newton/newton%1.bmp").arg(newtons, 2, 10, QLatin1Char('0')));
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.size(), QSize(141, 480));

    // 0 to 10 N downwards in equal steps.
    const std::vector<double> marks = scaleMarks(image);
    ASSERT_EQ(marks.size(), std::size_t(fullScale + 1));
    const double step = (marks.back() - marks.front()) / fullScale;
    EXPECT_GT(step, 8.0);
    for (int n = 1; n <= fullScale; ++n)
        EXPECT_NEAR(marks[n] - marks[n - 1], step, 1.0) << "between " << n - 1 << " and " << n << " N";

    // On its own mark, and nearer to it than to any other.
    const double pointer = pointerRow(image);
    const auto distance = [pointer](double mark) { return std::abs(mark - pointer); };
    EXPECT_NEAR(pointer, marks[std::size_t(newtons)], 1.5);
    EXPECT_EQ(std::ranges::min_element(marks, {}, distance) - marks.begin(), newtons);
}

INSTANTIATE_TEST_SUITE_P(EveryForce, NewtonMeterPicture, testing::Range(1, fullScale + 1));

// Poles are painted as in textbooks: north red, south blue.
enum class Pole { None, North, South };

Pole poleOf(QRgb rgb) {
    const QColor colour = QColor::fromRgb(rgb);
    const int hue = colour.hsvHue();
    if (colour.hsvSaturationF() < 0.55 || colour.valueF() < 0.35)
        return Pole::None;
    return hue <= 12 || hue >= 348 ? Pole::North : hue >= 205 && hue <= 250 ? Pole::South : Pole::None;
}

// North and south pixels on each column (lying == true) or each row of a picture.
struct PoleCount { int north = 0; int south = 0; };

std::vector<PoleCount> poleProfile(const QImage& image, bool lying) {
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
std::pair<int, int> widestGap(const std::vector<PoleCount>& profile) {
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

TEST_P(MagnetPairPicture, FacingPolesGiveTheAnswer) {
    SCOPED_TRACE(GetParam().file);
    const QImage image = readProgramPicture(QString::fromLatin1(GetParam().file));
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
