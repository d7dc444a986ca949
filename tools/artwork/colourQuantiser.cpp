#include "colourQuantiser.h"

#include <QHash>

#include <algorithm>
#include <vector>

namespace lumenary::artwork {

namespace {

struct ColourCount {
    QRgb colour;
    qint64 count;
};

using Box = std::vector<ColourCount>;

int channel(QRgb colour, int which)
{
    switch (which) {
    case 0:
        return qRed(colour);
    case 1:
        return qGreen(colour);
    default:
        return qBlue(colour);
    }
}

// The channel along which a box's colours spread widest, and how wide that spread is.
std::pair<int, int> widestChannel(const Box& box)
{
    int best = 0;
    int bestRange = -1;
    for (int which = 0; which < 3; ++which) {
        const auto [low, high] = std::minmax_element(box.begin(), box.end(), [which](const ColourCount& a, const ColourCount& b) {
            return channel(a.colour, which) < channel(b.colour, which);
        });
        const int range = channel(high->colour, which) - channel(low->colour, which);
        if (range > bestRange) {
            best = which;
            bestRange = range;
        }
    }
    return {best, bestRange};
}

qint64 population(const Box& box)
{
    qint64 total = 0;
    for (const ColourCount& entry : box)
        total += entry.count;
    return total;
}

QRgb averageColour(const Box& box)
{
    double r = 0.0, g = 0.0, b = 0.0;
    const double total = double(population(box));
    for (const ColourCount& entry : box) {
        r += qRed(entry.colour) * double(entry.count);
        g += qGreen(entry.colour) * double(entry.count);
        b += qBlue(entry.colour) * double(entry.count);
    }
    return qRgb(int(r / total + 0.5), int(g / total + 0.5), int(b / total + 0.5));
}

}  // namespace

QList<QRgb> medianCutPalette(const QImage& image, int maxColours)
{
    const QImage pixels = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, qint64> histogram;
    for (int y = 0; y < pixels.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(pixels.constScanLine(y));
        for (int x = 0; x < pixels.width(); ++x)
            ++histogram[line[x] | 0xFF000000u];
    }

    // Sorted so that the palette, and so the file, is the same on every run.
    std::vector<Box> boxes(1);
    for (auto it = histogram.cbegin(); it != histogram.cend(); ++it)
        boxes.front().push_back({it.key(), it.value()});
    std::sort(boxes.front().begin(), boxes.front().end(), [](const ColourCount& a, const ColourCount& b) { return a.colour < b.colour; });

    while (int(boxes.size()) < maxColours) {
        // Split the box whose colours are spread widest, weighted by how many pixels it holds,
        // so large smooth areas such as glows get the most shades.
        auto chosen = boxes.end();
        double chosenScore = 0.0;
        for (auto box = boxes.begin(); box != boxes.end(); ++box) {
            if (box->size() < 2)
                continue;
            const double score = double(widestChannel(*box).second) * double(population(*box));
            if (score > chosenScore) {
                chosen = box;
                chosenScore = score;
            }
        }
        if (chosen == boxes.end())
            break;

        const int which = widestChannel(*chosen).first;
        std::stable_sort(chosen->begin(), chosen->end(), [which](const ColourCount& a, const ColourCount& b) {
            return channel(a.colour, which) < channel(b.colour, which);
        });
        const qint64 half = population(*chosen) / 2;
        qint64 running = 0;
        std::size_t split = 0;
        while (split < chosen->size() && running < half)
            running += (*chosen)[split++].count;
        split = std::clamp<std::size_t>(split, 1, chosen->size() - 1);
        Box upper(chosen->begin() + std::ptrdiff_t(split), chosen->end());
        chosen->resize(split);
        boxes.push_back(std::move(upper));
    }

    QList<QRgb> palette;
    for (const Box& box : boxes)
        if (!box.empty())
            palette.append(averageColour(box));
    return palette;
}

QImage toIndexedColours(const QImage& image)
{
    if (image.format() == QImage::Format_Indexed8)
        return image;
    // Each pixel takes its nearest palette colour; with 256 shades chosen for this picture that
    // keeps glows smooth without the grain of dithering.
    return image.convertToFormat(QImage::Format_Indexed8, medianCutPalette(image, 256));
}

}  // namespace lumenary::artwork
