#pragma once

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <span>

namespace lumenary {

// The program's GIFs (the title's picture and its sharper variants) are read with giflib.

// Decodes a sharper GIF variant with giflib, several times quicker than Qt's GIF reader on a
// picture the size of a full-screen title. Handles the one still frame the build draws, covering
// the whole picture; anything else (or a file it cannot read) gives a null image, and the
// caller reads the file with Qt instead. A file whose header gives another size than `expected`
// is not decoded at all, so a damaged or absurd header never costs its pixels' memory.
QImage decodeGifVariant(const std::filesystem::path& file, QSize expected);

// The same for a GIF already read into memory, of whatever size its header gives (the picture
// check has already refused absurd ones): the title screen's own picture, read at start-up
// without loading Qt's GIF plugin.
QImage decodeGif(std::span<const std::uint8_t> bytes);

}  // namespace lumenary
