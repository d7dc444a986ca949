#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// The materials of the "does a magnet attract it?" quiz. PlainMetal is a neutral grey sheet
// that stands for steel, nickel, cobalt and aluminium alike, so it must not look like any one.
enum class MaterialSample { Copper, Iron, PlainMetal, Plastic, Mirror };

// A bar magnet on the left and a piece of the material on the right, on a pale card.
QImage drawMagnetAndMaterial(QSize size, MaterialSample material);

}  // namespace lumenary::artwork
