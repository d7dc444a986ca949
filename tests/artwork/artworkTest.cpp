#include "artworkCatalogue.h"
#include "artworkWriter.h"
#include "runtime/PictureFile.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iterator>
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
    return QImage(QDir(QStringLiteral(LUMENARY_APP_DIR)).filePath(relativePath)).convertToFormat(QImage::Format_RGB32);
}

// The first and last index holding two or more, so that a lone speck of JPEG ringing in the
// sky does not stretch a span.
std::pair<int, int> span(const std::vector<int>& counts) {
    const auto two = [](int n) { return n >= 2; };
    return {int(std::ranges::find_if(counts, two) - counts.begin()), int(counts.rend() - std::find_if(counts.rbegin(), counts.rend(), two)) - 1};
}

double meanBrightness(const QImage& image, const QRect& area) {
    double sum = 0.0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) sum += qGray(image.pixel(x, y));
    return sum / (area.width() * area.height());
}

// What a pupil should see in each picture: the share of the disc lit and which side is bright.
TEST(MoonPhasePictures, EachShowsAWholeCentredDiscLitAsItsPhase) {
    enum Side { Neither, Right, Left, Both };
    const Side sides[] = {Neither, Right, Right, Right, Both, Left, Left, Left};  // New, waxing, Full, waning
    for (int phase = 0; phase < 8; ++phase) {
        SCOPED_TRACE(phase);
        const QImage image = readProgramPicture(QStringLiteral("Images/phases%1.jpg").arg(phase));
        ASSERT_FALSE(image.isNull());
        // The disc: pixels above a very dark grey (the night side shows), and those of them lit.
        std::vector<int> perColumn(image.width()), perRow(image.height());
        int count = 0, lit = 0;
        double sumX = 0, sumY = 0;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (const QRgb c = image.pixel(x, y); std::max({qRed(c), qGreen(c), qBlue(c)}) > 12)
                    ++count, ++perColumn[x], ++perRow[y], sumX += x + 0.5, sumY += y + 0.5, lit += qGray(c) > 60;
        const auto [left, right] = span(perColumn);
        const auto [top, bottom] = span(perRow);
        EXPECT_NEAR(right - left + 1, 100, 4);
        EXPECT_NEAR(bottom - top + 1, 100, 4);
        EXPECT_NEAR(count, pi * 50 * 50, 0.05 * pi * 50 * 50);
        EXPECT_NEAR(sumX / count, image.width() / 2.0, 1.5);
        EXPECT_NEAR(sumY / count, image.height() / 2.0, 1.5);
        // The lit share follows the Sun-Moon angle, a 45 degree step a phase: (1 - cos angle) / 2.
        EXPECT_NEAR(double(lit) / count, (1.0 - std::cos(phase * pi / 4.0)) / 2.0, 0.06);
        const int middle = (left + right) / 2;
        const double l = meanBrightness(image, QRect(QPoint(left, top), QPoint(middle - 1, bottom)));
        const double r = meanBrightness(image, QRect(QPoint(middle + 1, top), QPoint(right, bottom)));
        EXPECT_EQ(std::max(l, r) < 30.0, sides[phase] == Neither);
        EXPECT_EQ(std::min(l, r) > 80.0 && std::abs(l - r) < 0.2 * std::max(l, r), sides[phase] == Both);
        EXPECT_EQ(r > l + 20.0, sides[phase] == Right);
        EXPECT_EQ(l > r + 20.0, sides[phase] == Left);
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
    EXPECT_EQ(image.size(), QSize(141, 480));

    // 0 to 10 N downwards in equal steps.
    const std::vector<double> marks = scaleMarks(image);
    ASSERT_EQ(marks.size(), 11u);
    const double step = (marks.back() - marks.front()) / 10;
    EXPECT_GT(step, 8.0);
    for (int n = 1; n <= 10; ++n) EXPECT_NEAR(marks[n] - marks[n - 1], step, 1.0) << "between " << n - 1 << " and " << n << " N";

    // The vivid red pointer on its own mark, and nearer to it than to any other.
    double rows = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.hsvSaturationF() > 0.6 && c.valueF() > 0.5 && (c.hsvHue() <= 15 || c.hsvHue() >= 345))
                rows += y + 0.5, ++count;
    const double pointer = rows / count;
    EXPECT_NEAR(pointer, marks[newtons], 1.5);
    EXPECT_EQ(std::ranges::min_element(marks, {}, [&](double mark) { return std::abs(mark - pointer); }) - marks.begin(), newtons);
}
INSTANTIATE_TEST_SUITE_P(EveryForce, NewtonMeterPicture, testing::Range(1, 11));

struct PairAnswer { const char* file; bool repel; };
constexpr PairAnswer pairAnswers[] = {
    {"Images/magnets1.bmp", false}, {"Images/magnets2.bmp", false}, {"Images/magnets3.bmp", true},
    {"Images/magnets4.bmp", true},  {"Images/magnets5.bmp", true},  {"Images/magnets6.bmp", true},
    {"Images/magnets7.bmp", false}, {"Images/magnets8.bmp", false},
};

class MagnetPairPicture : public testing::TestWithParam<PairAnswer> {};

// Poles are painted as in textbooks: north red, south blue. The magnets lie end to end in a row
// or one above the other: the widest run of lines without pole colours, with such lines on both
// sides, is the gap between them, and the three lines of each magnet beside it face each other.
TEST_P(MagnetPairPicture, FacingPolesGiveTheAnswer) {
    const QImage image = readProgramPicture(QString::fromLatin1(GetParam().file));
    ASSERT_FALSE(image.isNull());
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
    EXPECT_EQ((before > 0) == (after > 0), GetParam().repel) << "like poles repel, unlike poles attract";
}
INSTANTIATE_TEST_SUITE_P(EveryPicture, MagnetPairPicture, testing::ValuesIn(pairAnswers));

// The picture files the program opens, by family, in the folders and at the sizes its screens
// expect; "%1" is a picture's number, of `digits` digits.
struct Family {
    QString path;
    QStringList names;
    int width, height;
    const char* format;
};

QStringList numbered(int first, int last, int digits = 1) {
    QStringList names;
    for (int n = first; n <= last; ++n) names << QStringLiteral("%1").arg(n, digits, 10, QLatin1Char('0'));
    return names;
}

// clang-format off
const Family families[] = {
    {"opening/tessil00.gif",  {""},                                                           316, 236, "gif"},
    {"Images/%1.jpg",         {"exit"},                                                       119,  33, "jpeg"},
    {"Images/tessil3.jpg",    {""},                                                           800, 600, "jpeg"},
    {"Images/logo2.jpg",      {""},                                                           100, 139, "jpeg"},
    {"Images/phases%1.jpg",   numbered(0, 7),                                                 154, 117, "jpeg"},
    {"Images/jupitersm.jpg",  {""}, 164, 149, "jpeg"}, {"Images/mercurysm2.jpg", {""},  49,  48, "jpeg"},
    {"Images/venussm.jpg",    {""},  74,  71, "jpeg"}, {"Images/earthsm.jpg",    {""},  75,  77, "jpeg"},
    {"Images/saturn.jpg",     {""}, 268, 193, "jpeg"}, {"Images/marssm.jpg",     {""},  52,  50, "jpeg"},
    {"Images/uranus.jpg",     {""}, 110, 106, "jpeg"}, {"Images/neptune.jpg",    {""}, 110, 108, "jpeg"},
    {"Images/pluto.jpg",      {""},  42,  41, "jpeg"},
    {"newton/newton%1.bmp",   numbered(1, 10, 2),                                             141, 480, "bmp"},
    {"Images/magnets%1.bmp",  numbered(1, 4),                                                 800,  75, "bmp"},
    {"Images/magnets%1.bmp",  numbered(5, 8),                                                 330, 170, "bmp"},
    {"Images/magmetal%1.bmp", numbered(1, 5),                                                 640, 238, "bmp"},
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

TEST(ArtworkFiles, EveryPictureIsCataloguedOnceAndDecodesAtItsSizeAndFormatPassingTheProgramsCheckWithASharperVariant) {
    QSet<QString> expected;
    const QDir appDir(QStringLiteral(LUMENARY_APP_DIR));
    for (const Family& family : families)
        for (const QString& name : family.names) {
            const QString path = family.path.contains("%1") ? family.path.arg(name) : family.path;
            SCOPED_TRACE(path.toStdString());
            expected.insert(path);
            QImageReader reader(appDir.filePath(path));
            ASSERT_TRUE(QFileInfo::exists(reader.fileName()));
            EXPECT_EQ(reader.format().toStdString(), family.format);
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
            EXPECT_EQ(image.size(), QSize(family.width, family.height));
            QFile file(reader.fileName());
            const QByteArray bytes = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
            EXPECT_NO_THROW(checkPictureFile({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())},
                                             path.toStdString()));
            // Its sharper variants are the same drawing at two and three times the resolution:
            // brought back down they differ by no more than JPEG noise and the hinting of small text.
            for (const int factor : sharperVariantFactors) {
                const QImage sharper(appDir.filePath(sharperVariantPath(path, factor)));
                ASSERT_EQ(sharper.size(), image.size() * factor);
                EXPECT_LT(differenceBroughtDown(sharper, image), 10.0) << factor << "x";
            }
        }
    QSet<QString> catalogued;
    for (const ArtworkFile& file : artworkCatalogue()) catalogued.insert(file.path);
    EXPECT_EQ(catalogued, expected);
    EXPECT_EQ(artworkCatalogue().size(), std::size_t(expected.size())) << "a picture is catalogued twice";
}

// The background, drawn also at exactly the size each common display paints it full screen: the
// screens' 792 x 566 design pixels fitted to the display's height.
const struct {
    const char* path;
    QSize size;
} sizedBackgrounds[] = {
    {"Images/tessil3@1527x1145.jpg", {1527, 1145}},  // 1920 x 1080
    {"Images/tessil3@1086x814.jpg", {1086, 814}},    // 1366 x 768
    {"Images/tessil3@1131x848.jpg", {1131, 848}},    // 1280 x 800
    {"Images/tessil3@1034x776.jpg", {1034, 776}},    // 1024 x 768, fitted to its width
};

TEST(ArtworkFiles, TheBackgroundAloneIsAlsoDrawnAtTheSizeEachCommonDisplayPaintsIt) {
    const QDir appDir(QStringLiteral(LUMENARY_APP_DIR));
    const QImage background(appDir.filePath("Images/tessil3.jpg"));
    for (const auto& sized : sizedBackgrounds) {
        SCOPED_TRACE(sized.path);
        QImageReader reader(appDir.filePath(sized.path));
        EXPECT_EQ(reader.format(), "jpeg");
        const QImage copy = reader.read();
        ASSERT_EQ(copy.size(), sized.size);
        EXPECT_LT(differenceBroughtDown(copy, background), 10.0);
    }
    const QRegularExpression sizedName(QStringLiteral("@\\d+x\\d+\\."));
    EXPECT_EQ(QDir(appDir.filePath("Images")).entryList(QDir::Files).filter(sizedName).size(), static_cast<qsizetype>(std::size(sizedBackgrounds)));
}

}  // namespace
}  // namespace lumenary::artwork
