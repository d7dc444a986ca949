#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// Pictures are drawn in design pixels, the pixels the screens measure them in. Their sharper
// variants are the same drawings made at a higher resolution: a blank picture made while a
// DrawingResolution is in force has that many pixels per design pixel, and painters on it
// work in design pixels all the same.
class DrawingResolution {
public:
    explicit DrawingResolution(int pixelsPerDesignPixel);
    ~DrawingResolution();
    DrawingResolution(const DrawingResolution&) = delete;
    DrawingResolution& operator=(const DrawingResolution&) = delete;

    static int current();

private:
    int previous_;
};

// A blank picture of `designSize` at the current drawing resolution.
QImage newPicture(QSize designSize);

}  // namespace lumenary::artwork
