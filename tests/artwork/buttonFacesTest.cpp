#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

namespace lumenary::artwork {
namespace {

using test::brightness;

TEST(ButtonFaces, EachShowsItsOwnWordLargeCentredAndLegibleOnOneFaceLitFromTheTopLeft)
{
    std::vector<QImage> seen;
    QRgb firstFace = 0;
    for (const char* file : {"Images/exit.jpg", "Images/next.jpg", "Images/answer.jpg", "Images/check.jpg", "Images/jotter.jpg", "Images/scramble.jpg"}) {
        SCOPED_TRACE(file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(file));
        ASSERT_FALSE(image.isNull());
        const int w = image.width(), h = image.height();
        std::vector<QRgb> colours;  // inside the bevel, darkest first
        for (int y = 4; y < h - 4; ++y)
            for (int x = 4; x < w - 4; ++x)
                colours.push_back(image.pixel(x, y));
        std::ranges::sort(colours, {}, brightness);
        const QRgb face = colours[std::size_t(0.4 * double(colours.size() - 1))], ink = colours[std::size_t(0.98 * double(colours.size() - 1))];
        EXPECT_GE(test::contrastRatio(face, ink), 4.5) << "the word stands out";
        firstFace = seen.empty() ? face : firstFace;
        EXPECT_LE(std::max({std::abs(qRed(face) - qRed(firstFace)), std::abs(qGreen(face) - qGreen(firstFace)), std::abs(qBlue(face) - qBlue(firstFace))}), 12)
            << "one face colour for all";
        QRect word;  // the word's ink: much brighter than the face
        for (int y = 4; y < h - 4; ++y)
            for (int x = 4; x < w - 4; ++x)
                if (brightness(image.pixel(x, y)) > brightness(face) + 100)
                    word |= QRect(x, y, 1, 1);
        EXPECT_TRUE(word.height() >= 0.4 * h && word.width() >= 0.2 * w) << "large";
        EXPECT_NEAR(word.left() + word.width() / 2.0, w / 2.0, 2.5);
        EXPECT_NEAR(word.top() + word.height() / 2.0, h / 2.0, 2.5);
        EXPECT_GT(test::meanBrightness(image, QRect(2, 0, w - 4, 2)), test::meanBrightness(image, QRect(2, h - 2, w - 4, 2)) + 60.0);
        EXPECT_GT(test::meanBrightness(image, QRect(0, 2, 2, h - 4)), test::meanBrightness(image, QRect(w - 2, 2, 2, h - 4)) + 60.0);
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
