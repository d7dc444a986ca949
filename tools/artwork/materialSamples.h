#pragma once

#include "magnetMaterials.h"

#include <QPainter>
#include <QRectF>

namespace lumenary::artwork {

// A piece of the material filling `area`, drawn so it is recognisable at a glance: copper's
// warm sheen, dull iron with a little rust, plain grey metal, glossy bright plastic and a
// framed mirror.
void drawMaterialSample(QPainter& painter, const QRectF& area, MaterialSample material);

}  // namespace lumenary::artwork
