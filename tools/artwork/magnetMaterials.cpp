#include "magnetMaterials.h"
#include "pictureCanvas.h"

#include "barMagnet.h"
#include "materialSamples.h"
#include "pictureCard.h"

#include <QPainter>

namespace lumenary::artwork {

namespace {

// The quiz pictures are laid out on a 640 x 238 canvas, the size of their place on the screen.
constexpr double canvasWidth = 640.0;
constexpr double canvasHeight = 238.0;

const QRectF magnetBar(34.0, 88.0, 256.0, 62.0);
const QRectF sampleArea(356.0, 28.0, 252.0, 182.0);

// Either pole may face the material: both attract a magnetic material, neither attracts
// anything else.
NorthEnd northEndFor(MaterialSample material)
{
    return material == MaterialSample::Iron || material == MaterialSample::Plastic ? NorthEnd::Left : NorthEnd::Right;
}

}  // namespace

QImage drawMagnetAndMaterial(QSize size, MaterialSample material)
{
    QImage image = newPicture(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size.width() / canvasWidth, size.height() / canvasHeight);
    drawPictureCard(painter, QSize(int(canvasWidth), int(canvasHeight)));
    drawBarMagnet(painter, magnetBar, northEndFor(material));
    drawMaterialSample(painter, sampleArea, material);
    return image;
}

}  // namespace lumenary::artwork
