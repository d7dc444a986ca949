#include "pictureMeasurements.h"

#include <QDir>
#include <QImageReader>

#include <algorithm>

namespace lumenary::artwork::test {

QImage readProgramPicture(const QString& relativePath)
{
    return QImageReader(QDir(QStringLiteral(LUMENARY_APP_DIR)).filePath(relativePath)).read().convertToFormat(QImage::Format_RGB32);
}

int brightness(QRgb colour) { return qGray(colour); }

Body findBody(const QImage& image, int threshold)
{
    Body body;
    std::vector<int> perColumn(std::size_t(image.width()), 0), perRow(std::size_t(image.height()), 0);
    double sumX = 0.0, sumY = 0.0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            if (std::max({qRed(c), qGreen(c), qBlue(c)}) <= threshold)
                continue;
            ++body.pixelCount, ++perColumn[std::size_t(x)], ++perRow[std::size_t(y)];
            sumX += x + 0.5, sumY += y + 0.5;
            body.meanRed += qRed(c), body.meanGreen += qGreen(c), body.meanBlue += qBlue(c);
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
    if (const double n = body.pixelCount; n > 0) {
        body.centroid = QPointF(sumX / n, sumY / n);
        body.meanRed /= n, body.meanGreen /= n, body.meanBlue /= n;
    }
    return body;
}

double meanBrightness(const QImage& image, const QRect& area)
{
    double sum = 0.0;
    const QRect clipped = area.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            sum += brightness(image.pixel(x, y));
    return clipped.isEmpty() ? 0.0 : sum / (clipped.width() * clipped.height());
}

}  // namespace lumenary::artwork::test
