#pragma once

#include <QImage>
#include <QString>

namespace lumenary::artwork {

// Writes the picture as a single-frame GIF (Qt cannot write GIF), reducing it to at most 256
// colours first. Returns an empty string on success, otherwise what went wrong.
QString writeGif(const QImage& image, const QString& path);

}  // namespace lumenary::artwork
