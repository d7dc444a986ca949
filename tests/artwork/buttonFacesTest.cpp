#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lumenary::artwork {
namespace {

using test::brightness;

// The colour at a rank of brightness inside a button's bevel (0 darkest, 1 brightest).
QRgb rankInFace(const QImage& image, double rank)
{
    std::vector<QRgb> colours;
    const QRect face = image.rect().adjusted(4, 4, -4, -4);
    for (int y = face.top(); y <= face.bottom(); ++y)
        for (int x = face.left(); x <= face.right(); ++x)
            colours.push_back(image.pixel(x, y));
    std::ranges::sort(colours, {}, brightness);
    return colours[std::size_t(rank * double(colours.size() - 1))];
}

int largestChannelDifference(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

TEST(ButtonFaces, EachShowsItsOwnWordLargeCentredAndLegibleOnOneFaceLitFromTheTopLeft)
{
    std::vector<QImage> seen;
    for (const char* file : {"Images/exit.jpg", "Images/next.jpg", "Images/answer.jpg", "Images/check.jpg", "Images/jotter.jpg", "Images/scramble.jpg"}) {
        SCOPED_TRACE(file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(file));
        ASSERT_FALSE(image.isNull());
        const QRgb face = rankInFace(image, 0.4);
        EXPECT_GE(test::contrastRatio(face, rankInFace(image, 0.98)), 4.5) << "the word stands out";
        QRect word;  // the word's ink: much brighter than the face
        for (int y = 4; y < image.height() - 4; ++y)
            for (int x = 4; x < image.width() - 4; ++x)
                if (brightness(image.pixel(x, y)) > brightness(face) + 100)
                    word |= QRect(x, y, 1, 1);
        EXPECT_GE(word.height(), 0.4 * image.height());
        EXPECT_GE(word.width(), 0.2 * image.width());
        EXPECT_NEAR(word.left() + word.width() / 2.0, image.width() / 2.0, 2.5);
        EXPECT_NEAR(word.top() + word.height() / 2.0, image.height() / 2.0, 2.5);
        const int w = image.width(), h = image.height();
        EXPECT_GT(test::meanBrightness(image, QRect(2, 0, w - 4, 2)), test::meanBrightness(image, QRect(2, h - 2, w - 4, 2)) + 60.0);
        EXPECT_GT(test::meanBrightness(image, QRect(0, 2, 2, h - 4)), test::meanBrightness(image, QRect(w - 2, 2, 2, h - 4)) + 60.0);
        if (!seen.empty()) {
            EXPECT_LE(largestChannelDifference(face, rankInFace(seen.front(), 0.4)), 12) << "one face colour for all";
        }
        for (const QImage& other : seen) {
            double difference = 0.0;
            for (int y = 0; y < h; ++y)
                for (int x = 0; x < w; ++x)
                    difference += std::abs(brightness(image.pixel(x, y)) - brightness(other.pixel(x, y)));
            EXPECT_GT(difference / (w * h), 5.0) << "a different word from an earlier button";
        }
        seen.push_back(image);
    }
}

}  // namespace
}  // namespace lumenary::artwork
