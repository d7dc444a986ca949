#pragma once

#include "runtime/Picture.h"
#include "runtime/PictureFile.h"

#include <QByteArray>

#include <cstdint>
#include <span>
#include <string>

class QImage;

namespace lumenary {

// Decodes a checked picture file with the Qt reader of its format ("jpeg", "gif", "bmp", or the
// icon's "png"); Qt never probes for another. Throws RuntimeError naming the file when the
// reader gives up.
Picture decodePictureWithQt(std::span<const std::uint8_t> bytes, const QByteArray& format, const std::string& displayPath);
QByteArray qtFormatName(PictureFormat format);

// Wraps a picture's pixels as a QImage without copying; valid while the picture lives.
QImage asQImage(const Picture& picture);

// The image in the format the raster painter draws fastest: RGB32 when it is opaque,
// premultiplied ARGB otherwise.
QImage paintable(QImage image);

}  // namespace lumenary
