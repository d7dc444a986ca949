#pragma once

#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QString>

#include <vector>

namespace lumenary::artwork::test {

// Reads a picture the build wrote into the program folder with Qt's decoder; a null image
// if it is missing or cannot be decoded.
QImage readProgramPicture(const QString& relativePath);

// Perceived brightness 0..255.
int brightness(QRgb colour);

// The pixels of a picture brighter than a threshold (in any channel) on a black ground. The
// bounds span the rows and columns holding at least two such pixels, so a lone speck of JPEG
// ringing in the sky does not stretch them.
struct Body {
    int pixelCount = 0;
    QRect bounds;
    QPointF centroid;
    double meanRed = 0.0;
    double meanGreen = 0.0;
    double meanBlue = 0.0;
    std::vector<QRgb> colours;
};
Body findBody(const QImage& image, int threshold);

// Fraction of a body's pixels for which the test holds.
template <typename Predicate>
double fractionOf(const Body& body, Predicate test)
{
    int count = 0;
    for (QRgb colour : body.colours)
        count += test(colour) ? 1 : 0;
    return body.colours.empty() ? 0.0 : double(count) / double(body.colours.size());
}

// Mean brightness of a rectangle of the picture.
double meanBrightness(const QImage& image, const QRect& area);

}  // namespace lumenary::artwork::test
