#pragma once

#include "runtime/Picture.h"

#include <cstdint>
#include <span>
#include <string>

class QImage;

namespace lumenary {

// Decodes a checked JPEG, GIF or BMP with Qt's image readers. Throws RuntimeError naming the
// file when the decoder gives up.
Picture decodePictureWithQt(std::span<const std::uint8_t> bytes, const std::string& displayPath);

// Wraps a picture's pixels as a QImage without copying; valid while the picture lives.
QImage asQImage(const Picture& picture);

// The image in the format the raster painter draws fastest: RGB32 when it is opaque,
// premultiplied ARGB otherwise.
QImage paintable(QImage image);

}  // namespace lumenary
