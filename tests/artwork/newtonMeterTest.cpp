#include "pictureMeasurements.h"

#include <QColor>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumenary::artwork {
namespace {

using test::brightness;

// Scale marks are thin, level dark strokes with the pale plate just above and below them.
constexpr int inkBrightness = 100;
constexpr int plateBrightness = 180;
constexpr int fullScale = 10;

// Centre rows of the marks one column of pixels crosses, top to bottom.
std::vector<double> marksInColumn(const QImage& image, int x)
{
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
std::vector<double> scaleMarks(const QImage& image)
{
    std::vector<double> best;
    for (int x = 0; x < image.width(); ++x)
        best = std::max(best, marksInColumn(image, x), [](const auto& a, const auto& b) { return a.size() < b.size(); });
    return best;
}

// Centre row of the vivid red pointer.
double pointerRow(const QImage& image)
{
    double rows = 0.0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QColor c = image.pixelColor(x, y); c.hsvSaturationF() > 0.6 && c.valueF() > 0.5 && (c.hsvHue() <= 15 || c.hsvHue() >= 345))
                rows += y + 0.5, ++count;
    return count > 0 ? rows / count : -100.0;
}

class NewtonMeterPicture : public testing::TestWithParam<int> {};

TEST_P(NewtonMeterPicture, PointerSitsOnTheMarkForItsForceAndNoOther)
{
    const int newtons = GetParam();
    const QImage image = test::readProgramPicture(QStringLiteral("newton/newton%1.bmp").arg(newtons, 2, 10, QLatin1Char('0')));
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

}  // namespace
}  // namespace lumenary::artwork
