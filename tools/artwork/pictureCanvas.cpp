#include "pictureCanvas.h"

namespace lumenary::artwork {

namespace {
int resolution = 1;
}

DrawingResolution::DrawingResolution(int pixelsPerDesignPixel) : previous_(resolution) { resolution = pixelsPerDesignPixel; }

DrawingResolution::~DrawingResolution() { resolution = previous_; }

int DrawingResolution::current() { return resolution; }

QImage newPicture(QSize designSize)
{
    QImage image(designSize * resolution, QImage::Format_RGB32);
    image.setDevicePixelRatio(resolution);
    return image;
}

}  // namespace lumenary::artwork
