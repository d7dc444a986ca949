#pragma once

#include <QImage>

#include <filesystem>

namespace lumenary {

// Decodes a sharper JPEG variant with libjpeg, reduced to `painted` as its rows arrive when that
// is smaller in both directions, as the painter would draw it. The full-size pixels are never
// held at once: a full-screen background costs its painted size in memory, not the variant's,
// and no time is spent filling and then dropping them. A file that cannot be read, is malformed,
// or whose header gives another size than `expected` gives a null image; the last is not
// decoded at all, so an absurd header never costs its pixels' memory.
QImage decodeJpegVariant(const std::filesystem::path& file, QSize expected, QSize painted);

}  // namespace lumenary
