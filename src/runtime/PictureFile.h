#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace lumenary {

enum class PictureFormat { Jpeg, Gif, Bmp };

// What a picture file's header says, checked before anything is decoded.
struct PictureHeader {
    PictureFormat format;
    int width;
    int height;
};

// Largest picture the program will decode: far above anything it ships (800 x 600, and
// 2400 x 1800 for its sharpest copies) and room for a 4K picture (3840 x 2160), far below
// what would exhaust memory or time if a file claimed absurd dimensions: decoded, the largest
// takes 32 MB, and a progressive JPEG's reader as much again, in about half a second.
inline constexpr int maxPictureSide = 16384;
inline constexpr std::int64_t maxPicturePixels = 4096 * 2048;
inline constexpr std::uintmax_t maxPictureFileBytes = 64u * 1024 * 1024;

// Checks a picture file's bytes: a JPEG, GIF or BMP, complete (not cut short), with sensible
// dimensions. Throws RuntimeError naming `displayPath` and the reason.
PictureHeader checkPictureFile(std::span<const std::uint8_t> bytes, const std::string& displayPath);

}  // namespace lumenary
