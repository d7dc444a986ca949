#include "pictureMeasurements.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

namespace lumenary::artwork {
namespace {

using test::brightness;

constexpr const char* buttonFiles[] = {
    "Images/exit.jpg", "Images/next.jpg", "Images/answer.jpg", "Images/check.jpg", "Images/jotter.jpg", "Images/scramble.jpg",
};

// Inside the bevel: where the face and the word are.
QRect faceArea(const QImage& image) { return image.rect().adjusted(4, 4, -4, -4); }

// The colour at a given rank of brightness inside the face area (0 darkest, 1 brightest).
QRgb colourAtBrightnessRank(const QImage& image, double rank)
{
    std::vector<QRgb> colours;
    const QRect area = faceArea(image);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            colours.push_back(image.pixel(x, y));
    std::sort(colours.begin(), colours.end(), [](QRgb a, QRgb b) { return brightness(a) < brightness(b); });
    return colours[std::size_t(rank * double(colours.size() - 1))];
}

// The word's ink: pixels inside the face much brighter than the face itself.
QRect wordBounds(const QImage& image)
{
    const int face = brightness(colourAtBrightnessRank(image, 0.4));
    QRect bounds;
    const QRect area = faceArea(image);
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (brightness(image.pixel(x, y)) > face + 100)
                bounds = bounds.united(QRect(x, y, 1, 1));
    return bounds;
}

TEST(ButtonFaces, WordStandsOutStronglyFromTheFace)
{
    for (const char* file : buttonFiles) {
        SCOPED_TRACE(file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(file));
        ASSERT_FALSE(image.isNull());
        const QRgb face = colourAtBrightnessRank(image, 0.4);
        const QRgb ink = colourAtBrightnessRank(image, 0.98);
        EXPECT_GE(test::contrastRatio(face, ink), 4.5);
    }
}

TEST(ButtonFaces, WordIsLargeAndCentred)
{
    for (const char* file : buttonFiles) {
        SCOPED_TRACE(file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(file));
        ASSERT_FALSE(image.isNull());
        const QRect word = wordBounds(image);
        ASSERT_FALSE(word.isEmpty());
        EXPECT_GE(word.height(), 0.4 * image.height());
        EXPECT_GE(word.width(), 0.2 * image.width());
        EXPECT_NEAR(word.left() + word.width() / 2.0, image.width() / 2.0, 2.5);
        EXPECT_NEAR(word.top() + word.height() / 2.0, image.height() / 2.0, 2.5);
    }
}

TEST(ButtonFaces, BevelIsLitFromTheTopLeft)
{
    for (const char* file : buttonFiles) {
        SCOPED_TRACE(file);
        const QImage image = test::readProgramPicture(QString::fromLatin1(file));
        ASSERT_FALSE(image.isNull());
        const int w = image.width();
        const int h = image.height();
        EXPECT_GT(test::meanBrightness(image, QRect(2, 0, w - 4, 2)), test::meanBrightness(image, QRect(2, h - 2, w - 4, 2)) + 60.0);
        EXPECT_GT(test::meanBrightness(image, QRect(0, 2, 2, h - 4)), test::meanBrightness(image, QRect(w - 2, 2, 2, h - 4)) + 60.0);
    }
}

double meanBrightnessDifference(const QImage& a, const QImage& b)
{
    double sum = 0.0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += std::abs(brightness(a.pixel(x, y)) - brightness(b.pixel(x, y)));
    return sum / (a.width() * a.height());
}

TEST(ButtonFaces, AllShareOneFaceColourButShowDifferentWords)
{
    std::vector<QImage> buttons;
    for (const char* file : buttonFiles) {
        buttons.push_back(test::readProgramPicture(QString::fromLatin1(file)));
        ASSERT_FALSE(buttons.back().isNull()) << file;
    }
    const QRgb firstFace = colourAtBrightnessRank(buttons.front(), 0.4);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        SCOPED_TRACE(buttonFiles[i]);
        const QRgb face = colourAtBrightnessRank(buttons[i], 0.4);
        EXPECT_NEAR(qRed(face), qRed(firstFace), 12);
        EXPECT_NEAR(qGreen(face), qGreen(firstFace), 12);
        EXPECT_NEAR(qBlue(face), qBlue(firstFace), 12);
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_GT(meanBrightnessDifference(buttons[i], buttons[j]), 5.0) << "same word as " << buttonFiles[j];
    }
}

}  // namespace
}  // namespace lumenary::artwork
