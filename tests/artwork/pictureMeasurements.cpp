#include "pictureMeasurements.h"

#include <QDir>
#include <QImageReader>

#include <algorithm>
#include <cmath>

namespace lumenary::artwork::test {

namespace {

double linearChannel(int value)
{
    const double c = value / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double relativeLuminance(QRgb colour)
{
    return 0.2126 * linearChannel(qRed(colour)) + 0.7152 * linearChannel(qGreen(colour)) + 0.0722 * linearChannel(qBlue(colour));
}

}  // namespace

QImage readProgramPicture(const QString& relativePath)
{
    QImageReader reader(QDir(QStringLiteral(LUMENARY_APP_DIR)).filePath(relativePath));
    return reader.read().convertToFormat(QImage::Format_RGB32);
}

int brightness(QRgb colour) { return qGray(colour); }

double contrastRatio(QRgb a, QRgb b)
{
    const double la = relativeLuminance(a);
    const double lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

Body findBody(const QImage& image, int threshold)
{
    Body body;
    std::vector<int> perColumn(std::size_t(image.width()), 0);
    std::vector<int> perRow(std::size_t(image.height()), 0);
    double sumX = 0.0, sumY = 0.0, sumR = 0.0, sumG = 0.0, sumB = 0.0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb colour = image.pixel(x, y);
            if (std::max({qRed(colour), qGreen(colour), qBlue(colour)}) <= threshold)
                continue;
            ++body.pixelCount;
            ++perColumn[std::size_t(x)];
            ++perRow[std::size_t(y)];
            sumX += x + 0.5;
            sumY += y + 0.5;
            sumR += qRed(colour);
            sumG += qGreen(colour);
            sumB += qBlue(colour);
            body.colours.push_back(colour);
        }
    }
    const auto span = [](const std::vector<int>& counts) {
        const auto solid = [](int count) { return count >= 2; };
        const auto first = std::find_if(counts.begin(), counts.end(), solid);
        const auto last = std::find_if(counts.rbegin(), counts.rend(), solid);
        return first == counts.end() ? std::pair(0, -1) : std::pair(int(first - counts.begin()), int(counts.rend() - last) - 1);
    };
    const auto [left, right] = span(perColumn);
    const auto [top, bottom] = span(perRow);
    body.bounds = QRect(QPoint(left, top), QPoint(right, bottom));
    if (body.pixelCount > 0) {
        const double n = body.pixelCount;
        body.centroid = QPointF(sumX / n, sumY / n);
        body.meanRed = sumR / n;
        body.meanGreen = sumG / n;
        body.meanBlue = sumB / n;
    }
    return body;
}

double meanBrightness(const QImage& image, const QRect& area)
{
    double sum = 0.0;
    int count = 0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            sum += brightness(image.pixel(x, y));
            ++count;
        }
    return count ? sum / count : 0.0;
}

}  // namespace lumenary::artwork::test
