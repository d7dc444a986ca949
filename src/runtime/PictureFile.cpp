#include "PictureFile.h"

#include "RuntimeError.h"

#include <optional>

namespace lumenary {
namespace {

using Bytes = std::span<const std::uint8_t>;

[[noreturn]] void reject(const std::string& path, const std::string& reason) {
    throw RuntimeError("Cannot load picture \"" + path + "\": " + reason);
}

unsigned le16(Bytes b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
unsigned be16(Bytes b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }
std::uint32_t le32(Bytes b, std::size_t at) {
    return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}

// Trailing zero bytes are padding some tools add; they do not make a file complete or not.
Bytes withoutPadding(Bytes b) {
    std::size_t n = b.size();
    while (n > 0 && b[n - 1] == 0) --n;
    return b.first(n);
}

PictureHeader checkGif(Bytes b, const std::string& path) {
    if (b.size() < 13) reject(path, "the file is cut short (incomplete GIF header)");
    const Bytes content = withoutPadding(b);
    if (content.empty() || content.back() != 0x3B) reject(path, "the file is cut short (the GIF has no end marker)");
    return {PictureFormat::Gif, static_cast<int>(le16(b, 6)), static_cast<int>(le16(b, 8))};
}

PictureHeader checkBmp(Bytes b, const std::string& path) {
    if (b.size() < 30) reject(path, "the file is cut short (incomplete BMP header)");
    const std::uint32_t dataOffset = le32(b, 10);
    const std::uint32_t headerSize = le32(b, 14);
    if (headerSize < 40) reject(path, "unsupported BMP header");
    if (b.size() < 34) reject(path, "the file is cut short (incomplete BMP header)");
    const auto width = static_cast<std::int32_t>(le32(b, 18));
    const auto rawHeight = static_cast<std::int32_t>(le32(b, 22));
    const unsigned bitsPerPixel = le16(b, 28);
    const std::uint32_t compression = le32(b, 30);
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) reject(path, "the BMP header gives no valid size");
    const std::int32_t height = rawHeight < 0 ? -rawHeight : rawHeight;  // negative means top-down rows
    const PictureHeader header{PictureFormat::Bmp, width, height};
    // Oversized pictures are refused by the caller; skip the size arithmetic for them.
    if (height > maxPictureSide || width > maxPictureSide) return header;
    const bool uncompressed = compression == 0 || compression == 3;
    if (uncompressed && bitsPerPixel > 0) {
        const std::int64_t stride = ((static_cast<std::int64_t>(width) * bitsPerPixel + 31) / 32) * 4;
        if (static_cast<std::int64_t>(dataOffset) + stride * height > static_cast<std::int64_t>(b.size()))
            reject(path, "the file is cut short (the BMP pixel data is incomplete)");
    }
    return header;
}

// Reads the frame size from the first start-of-frame segment.
std::optional<PictureHeader> jpegFrameSize(Bytes b) {
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) return std::nullopt;
        const std::uint8_t marker = b[at + 1];
        if (marker == 0xFF) { ++at; continue; }
        const unsigned length = be16(b, at + 2);
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (at + 9 > b.size()) return std::nullopt;
            return PictureHeader{PictureFormat::Jpeg, static_cast<int>(be16(b, at + 7)), static_cast<int>(be16(b, at + 5))};
        }
        if (marker == 0xDA || length < 2) return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

PictureHeader checkJpeg(Bytes b, const std::string& path) {
    const std::optional<PictureHeader> header = jpegFrameSize(b);
    if (!header) reject(path, "the JPEG has no readable frame header (malformed or cut short)");
    const Bytes content = withoutPadding(b);
    if (content.size() < 2 || content[content.size() - 2] != 0xFF || content.back() != 0xD9)
        reject(path, "the file is cut short (the JPEG has no end marker)");
    return *header;
}

}  // namespace

PictureHeader checkPictureFile(Bytes bytes, const std::string& path) {
    if (bytes.empty()) reject(path, "the file is empty");
    PictureHeader header{};
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
        header = checkJpeg(bytes, path);
    else if (bytes.size() >= 6 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F')
        header = checkGif(bytes, path);
    else if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        header = checkBmp(bytes, path);
    else
        reject(path, "it is not a JPEG, GIF or BMP picture");

    if (header.width <= 0 || header.height <= 0) reject(path, "the picture has no size");
    if (header.width > maxPictureSide || header.height > maxPictureSide ||
        static_cast<std::int64_t>(header.width) * header.height > maxPicturePixels)
        reject(path, "absurd dimensions " + std::to_string(header.width) + " x " + std::to_string(header.height) +
                         " pixels (a picture may be at most " + std::to_string(maxPictureSide) + " pixels on a side)");
    return header;
}

}  // namespace lumenary
