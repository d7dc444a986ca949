#include "artworkCatalogue.h"
#include "artworkWriter.h"
#include "runtime/PictureFile.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <numbers>
#include <span>
#include <vector>

// What the pictures show that the activities' answers depend on: the lit share of each Moon,
// the mark each newton meter points at, and the poles two magnets turn to each other.
namespace lumenary::artwork {
namespace {

constexpr double pi = std::numbers::pi;
const QDir appDir(QStringLiteral(LUMENARY_APP_DIR));

// A picture the build wrote into the program folder, read with Qt's decoder (whether each
// decodes at all is proved by the catalogue test below).
QImage readProgramPicture(const QString& path) { return QImage(appDir.filePath(path)).convertToFormat(QImage::Format_RGB32); }

// The first and last index holding two or more, so that a lone speck of JPEG ringing in the
// sky does not stretch a span.
std::pair<int, int> span(const std::vector<int>& counts) {
    const auto two = [](int n) { return n >= 2; };
    return {int(std::ranges::find_if(counts, two) - counts.begin()), int(counts.rend() - std::find_if(counts.rbegin(), counts.rend(), two)) - 1};
}

// What a pupil should see in each picture: the share of the disc lit and which side is bright.
TEST(MoonPhasePictures, EachShowsAWholeDiscLitAsItsPhase) {
    const char sides[] = "-RRRBLLL";  // the bright side: none at New Moon, right waxing, both at Full, left waning
    for (int phase = 0; phase < 8; ++phase) {
        SCOPED_TRACE(phase);
        const QImage image = readProgramPicture(QStringLiteral("Images/phases%1.jpg").arg(phase));
        // The disc: pixels above a very dark grey (the night side shows), those of them lit, and their brightness by column.
        std::vector<int> perColumn(image.width()), perRow(image.height()), brightness(image.width());
        int count = 0, lit = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QRgb c = image.pixel(x, y); std::max({qRed(c), qGreen(c), qBlue(c)}) > 12)
                    ++count, ++perColumn[x], ++perRow[y], lit += qGray(c) > 60, brightness[x] += qGray(c);
        const auto [left, right] = span(perColumn);
        const auto [top, bottom] = span(perRow);
        EXPECT_NEAR(right - left + 1, 100, 4);
        EXPECT_NEAR(bottom - top + 1, 100, 4);
        EXPECT_NEAR(count, pi * 50 * 50, 0.05 * pi * 50 * 50);
        // The lit share follows the Sun-Moon angle, a 45 degree step a phase: (1 - cos angle) / 2.
        EXPECT_NEAR(double(lit) / count, (1.0 - std::cos(phase * pi / 4.0)) / 2.0, 0.06);
        // The mean brightness of each half of the disc's square, the middle column left out.
        const auto mean = [&](int from, int to) { return std::reduce(&brightness[from], &brightness[to] + 1) / double((to - from + 1) * (bottom - top + 1)); };
        const int middle = (left + right) / 2;
        const double l = mean(left, middle - 1), r = mean(middle + 1, right);
        const bool bothBright = std::min(l, r) > 80.0 && std::abs(l - r) < 0.2 * std::max(l, r);
        EXPECT_EQ(std::max(l, r) < 30.0 ? '-' : r > l + 20.0 ? 'R' : l > r + 20.0 ? 'L' : bothBright ? 'B' : '?', sides[phase]) << l << " left, right " << r;
    }
}

// Scale marks are thin, level dark strokes (brightness under 100) with the pale plate (over 180)
// just above and below them; the scale is wherever a column crosses the most marks. Their centre rows.
std::vector<double> scaleMarks(const QImage& image) {
    std::vector<double> best;
    for (int x = 0; x < image.width(); ++x) {
        const auto ink = [&](int y, int dx = 0) { return qGray(image.pixel(std::clamp(x + dx, 0, image.width() - 1), y)) < 100; };
        const auto plate = [&](int y) { return y < image.height() && qGray(image.pixel(x, y)) > 180; };
        std::vector<double> rows;
        for (int y = 1, end = 1; y < image.height(); y = std::max(y + 1, end)) {
            for (end = y; end < image.height() && ink(end);) ++end;
            if (end > y && end - y <= 4 && plate(y - 1) && plate(end) && ink((y + end) / 2, -3) && ink((y + end) / 2, 3))
                rows.push_back((y + end) / 2.0);
        }
        if (rows.size() > best.size()) best = rows;
    }
    return best;
}

class NewtonMeterPicture : public testing::TestWithParam<int> {};

TEST_P(NewtonMeterPicture, PointerSitsOnTheMarkForItsForceAndNoOther) {
    const int newtons = GetParam();
    const QImage image = readProgramPicture(QStringLiteral("newton/newton%1.bmp").arg(newtons, 2, 10, QLatin1Char('0')));
    // 0 to 10 N downwards in equal steps.
    const std::vector<double> marks = scaleMarks(image);
    ASSERT_EQ(marks.size(), 11u);
    for (int n = 1; n <= 10; ++n) EXPECT_NEAR(marks[n] - marks[n - 1], (marks[10] - marks[0]) / 10, 1.0) << "between " << n - 1 << " and " << n << " N";
    // The vivid red pointer on its own mark, and nearer to it than to any other.
    double rows = 0.0, count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.hsvSaturationF() > 0.6 && c.valueF() > 0.5 && (c.hsvHue() <= 15 || c.hsvHue() >= 345))
                rows += y + 0.5, ++count;
    const double pointer = rows / count;
    EXPECT_NEAR(pointer, marks[newtons], 1.5);
    EXPECT_EQ(std::ranges::min_element(marks, {}, [&](double mark) { return std::abs(mark - pointer); }) - marks.begin(), newtons);
}
INSTANTIATE_TEST_SUITE_P(EveryForce, NewtonMeterPicture, testing::Range(1, 11));

class MagnetPairPicture : public testing::TestWithParam<int> {};

// Poles are painted as in textbooks: north red, south blue. The magnets lie end to end in a row
// or one above the other: the widest run of lines without pole colours, with such lines on both
// sides, is the gap between them, and the three lines of each magnet beside it face each other.
TEST_P(MagnetPairPicture, FacingPolesGiveTheAnswer) {
    constexpr bool repel[] = {false, false, true, true, true, true, false, false};  // magnets1 to magnets8
    const QImage image = readProgramPicture(QStringLiteral("Images/magnets%1.bmp").arg(GetParam()));
    std::vector<std::pair<int, int>> profile;  // north and south pixels on each column or row
    std::pair<int, int> gap(0, -1);
    for (bool lying : {true, false}) {
        if (gap.second - gap.first >= 8) break;
        profile.assign(lying ? image.width() : image.height(), {0, 0});
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x) {
                const QColor c = image.pixelColor(x, y);
                if (c.hsvSaturationF() < 0.55 || c.valueF() < 0.35) continue;
                auto& [north, south] = profile[lying ? x : y];
                north += c.hsvHue() <= 12 || c.hsvHue() >= 348;
                south += c.hsvHue() >= 205 && c.hsvHue() <= 250;
            }
        gap = {0, -1};
        for (int at = 0, lastFilled = -1; at < int(profile.size()); ++at) {
            if (profile[at].first + profile[at].second == 0) continue;
            if (lastFilled >= 0 && at - lastFilled - 1 > gap.second - gap.first + 1) gap = {lastFilled + 1, at - 1};
            lastFilled = at;
        }
    }
    ASSERT_GE(gap.second - gap.first, 8) << "no gap between two magnets";
    const auto northAhead = [&](int from) { return profile[from].first + profile[from + 1].first + profile[from + 2].first -
                                                   profile[from].second - profile[from + 1].second - profile[from + 2].second; };
    const int before = northAhead(gap.first - 3), after = northAhead(gap.second + 1);
    ASSERT_TRUE(before != 0 && after != 0) << "a facing pole is neither red nor blue";
    EXPECT_EQ((before > 0) == (after > 0), repel[GetParam() - 1]) << "like poles repel, unlike poles attract";
}
INSTANTIATE_TEST_SUITE_P(EveryPicture, MagnetPairPicture, testing::Range(1, 9));

// Two pictures as their screens show them. Uranus's square covers Saturn's picture from (232, 118)
// of its 268 x 193 on the planets screen: only the black sky may lie there, or the rings show a
// notch. The main menu's dark grey notice (64, 64, 64) must read at 4.5:1 or more against every
// pixel of the background beneath its box (480, 550, 266 x 21).
TEST(ScreenArtwork, NothingOfSaturnLiesUnderUranusAndTheMainMenusNoticeReadsOnTheBackground) {
    const QImage saturn = readProgramPicture(QStringLiteral("Images/saturn.jpg"));
    int brightest = 0;
    for (int y = 118; y < saturn.height(); ++y)
        for (int x = 232; x < saturn.width(); ++x) brightest = std::max({brightest, qRed(saturn.pixel(x, y)), qGreen(saturn.pixel(x, y)), qBlue(saturn.pixel(x, y))});
    EXPECT_LE(brightest, 12) << "JPEG's noise on black stays below 12";
    const auto luminance = [](QRgb c) {
        const auto linear = [](int v) { const double s = v / 255.0; return s <= 0.04045 ? s / 12.92 : std::pow((s + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(qRed(c)) + 0.7152 * linear(qGreen(c)) + 0.0722 * linear(qBlue(c));
    };
    const QImage background = readProgramPicture(QStringLiteral("Images/tessil3.jpg"));
    double lowest = 21.0;
    for (int y = 550; y < 571; ++y)
        for (int x = 480; x < 746; ++x) lowest = std::min(lowest, (luminance(background.pixel(x, y)) + 0.05) / (luminance(qRgb(64, 64, 64)) + 0.05));
    EXPECT_GE(lowest, 4.5);
}

// The picture files the program opens, by family, in the folders and at the sizes its screens
// expect; "%1" is a picture's number, from `first` to `last`, of `digits` digits.
struct Family { QString path; int width, height; const char* format; int first = 0, last = 0, digits = 1; };

// clang-format off
const Family families[] = {
    {"opening/tessil00.gif",  316, 236, "gif"},       {"Images/exit.jpg",       119,  33, "jpeg"},        {"Images/tessil3.jpg",  800, 600, "jpeg"},
    {"Images/logo2.jpg",      100, 139, "jpeg"},      {"Images/jupitersm.jpg",  164, 149, "jpeg"},        {"Images/mercurysm2.jpg", 49, 48, "jpeg"},
    {"Images/venussm.jpg",     74,  71, "jpeg"},      {"Images/earthsm.jpg",     75,  77, "jpeg"},        {"Images/saturn.jpg",   268, 193, "jpeg"},
    {"Images/marssm.jpg",      52,  50, "jpeg"},      {"Images/uranus.jpg",     110, 106, "jpeg"},        {"Images/neptune.jpg",  110, 108, "jpeg"},
    {"Images/pluto.jpg",       42,  41, "jpeg"},      {"Images/phases%1.jpg",   154, 117, "jpeg", 0, 7},  {"newton/newton%1.bmp", 141, 480, "bmp", 1, 10, 2},
    {"Images/magnets%1.bmp",  800,  75, "bmp", 1, 4}, {"Images/magnets%1.bmp",  330, 170, "bmp", 5, 8},   {"Images/magmetal%1.bmp", 640, 238, "bmp", 1, 5},
    // The exit face's word in each language the program speaks.
    {"Images/cy/exit.jpg", 119, 33, "jpeg"}, {"Images/de/exit.jpg", 119, 33, "jpeg"}, {"Images/es/exit.jpg", 119, 33, "jpeg"},
    {"Images/fr/exit.jpg", 119, 33, "jpeg"}, {"Images/pl/exit.jpg", 119, 33, "jpeg"}, {"Images/uk/exit.jpg", 119, 33, "jpeg"},
};
// clang-format on

// How far a larger copy, brought down to the picture's size, differs from it: the mean over its
// pixels and channels, out of 255.
double differenceBroughtDown(const QImage& larger, const QImage& image) {
    const QImage reduced = larger.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor a = image.pixelColor(x, y), b = reduced.pixelColor(x, y);
            difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
        }
    return difference / (3.0 * image.width() * image.height());
}

// Besides, the background alone is drawn at exactly the size each common display paints it full
// screen (the screens' 792 x 566 design pixels fitted to the height of 1920 x 1080, 1366 x 768 and
// 1280 x 800, and to the width of 1024 x 768).
TEST(ArtworkFiles, EveryPictureIsCataloguedOnceAndDecodesAtItsSizeAndFormatPassingTheProgramsCheckWithItsLargerCopies) {
    const QSize backgroundSizes[] = {{1527, 1145}, {1086, 814}, {1131, 848}, {1034, 776}};
    QSet<QString> expected;
    for (const Family& family : families)
        for (int n = family.first; n <= family.last; ++n) {
            const QString path = family.path.contains("%1") ? family.path.arg(n, family.digits, 10, QLatin1Char('0')) : family.path;
            SCOPED_TRACE(path.toStdString());
            expected.insert(path);
            QFile file(appDir.filePath(path));
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            EXPECT_NO_THROW(checkPictureFile(std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), bytes.size()), path.toStdString()));
            QImageReader reader(file.fileName());
            EXPECT_EQ(reader.format().toStdString(), family.format);
            const QImage image = reader.read();
            ASSERT_EQ(image.size(), QSize(family.width, family.height)) << reader.errorString().toStdString();
            // Its larger copies are the same drawing, its sharper variants at two and three times the resolution:
            // brought back down they differ by no more than JPEG noise and the hinting of small text.
            std::vector<std::pair<QString, QSize>> larger;
            for (const int factor : sharperVariantFactors) larger.push_back({sharperVariantPath(path, factor), image.size() * factor});
            for (const QSize size : path == "Images/tessil3.jpg" ? std::span(backgroundSizes) : std::span<const QSize>())
                larger.push_back({QStringLiteral("Images/tessil3@%1x%2.jpg").arg(size.width()).arg(size.height()), size});
            for (const auto& [copyPath, size] : larger) {
                const QImage copy(appDir.filePath(copyPath));
                EXPECT_EQ(QImageReader::imageFormat(appDir.filePath(copyPath)).toStdString(), family.format) << copyPath.toStdString();
                ASSERT_EQ(copy.size(), size) << copyPath.toStdString();
                EXPECT_LT(differenceBroughtDown(copy, image), 10.0) << copyPath.toStdString();
            }
        }
    QSet<QString> catalogued;
    for (const ArtworkFile& file : artworkCatalogue()) catalogued.insert(file.path);
    EXPECT_EQ(catalogued, expected);
    EXPECT_EQ(artworkCatalogue().size(), std::size_t(expected.size())) << "a picture is catalogued twice";
    const QStringList sized = QDir(appDir.filePath("Images")).entryList(QDir::Files).filter(QRegularExpression(QStringLiteral("@\\d+x\\d+\\.")));
    EXPECT_EQ(sized.size(), qsizetype(std::size(backgroundSizes))) << "only the background is drawn at display sizes";
}

}  // namespace
}  // namespace lumenary::artwork
