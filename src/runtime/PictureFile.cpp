#include "PictureFile.h"

#include "RuntimeError.h"

#include <algorithm>
#include <climits>
#include <optional>

namespace lumenary {
namespace {

using Bytes = std::span<const std::uint8_t>;

[[noreturn]] void reject(const std::string& path, const std::string& reason) {
    throw pictureError(path, reason);
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

// Walks the GIF's blocks after its header to the end marker: extensions and pictures, each
// with its colour table and data in sub-blocks. False when the file ends first.
bool completeGif(Bytes b) {
    const auto colourTable = [](unsigned flags) -> std::size_t { return flags & 0x80 ? 3u << ((flags & 7) + 1) : 0; };
    std::size_t at = 13 + colourTable(b[10]);
    const auto skipSubBlocks = [&] {
        while (at < b.size() && b[at] != 0) at += 1 + b[at];
        return at++ < b.size();
    };
    while (at < b.size()) {
        const std::uint8_t block = b[at];
        if (block == 0x3B) return true;
        if (block == 0x21) {  // an extension: its label, then its data
            at += 2;
        } else if (block == 0x2C && at + 10 < b.size()) {  // a picture: where it lies, its colours, its code size
            at += 10 + colourTable(b[at + 9]) + 1;
        } else {
            return false;
        }
        if (!skipSubBlocks()) return false;
    }
    return false;
}

PictureHeader checkGif(Bytes b, const std::string& path) {
    if (b.size() < 13) reject(path, tr(N_("the file is cut short (incomplete GIF header)")));
    if (!completeGif(b)) reject(path, tr(N_("the file is cut short (the GIF has no end marker)")));
    return {PictureFormat::Gif, static_cast<int>(le16(b, 6)), static_cast<int>(le16(b, 8))};
}

// The info headers a BMP may carry, by their size: OS/2 1.x (12 bytes, 16-bit unsigned sizes),
// OS/2 2.x (64 bytes, or cut to its first 16), Windows' BITMAPINFOHEADER (40), its V2 and V3
// extensions with the colour masks inside (52, 56), V4 (108) and V5 (124).
bool knownBmpHeader(std::uint32_t size) {
    switch (size) {
        case 12: case 16: case 40: case 52: case 56: case 64: case 108: case 124: return true;
        default: return false;
    }
}

enum BmpCompression : std::uint32_t { bmpRgb = 0, bmpRle8 = 1, bmpRle4 = 2, bmpBitFields = 3 };

// Walks run-length coded rows from `at` to the end-of-picture code, or until every row has been
// given; false when the data ends first.
bool completeRle(Bytes b, std::size_t at, unsigned bitsPerPixel, std::int64_t height) {
    std::int64_t row = 0;
    while (row < height) {
        if (at + 2 > b.size()) return false;
        const unsigned count = b[at], code = b[at + 1];
        at += 2;
        if (count > 0) continue;  // a run of `count` pixels of one value
        if (code == 0) ++row;  // end of row
        else if (code == 1) return true;  // end of picture
        else if (code == 2) {  // move right and up
            if (at + 2 > b.size()) return false;
            row += b[at + 1];
            at += 2;
        } else {  // `code` pixels given one by one, padded to a 16-bit boundary
            const std::size_t bytes = bitsPerPixel == 4 ? (code + 1) / 2 : code;
            at += bytes + (bytes & 1);
        }
    }
    return true;
}

PictureHeader checkBmp(Bytes b, const std::string& path) {
    const std::string cut = tr(N_("the file is cut short (incomplete BMP header)"));
    if (b.size() < 18) reject(path, cut);
    const std::uint32_t headerSize = le32(b, 14);
    if (!knownBmpHeader(headerSize)) reject(path, trFill(N_("unsupported BMP header (%d bytes)"), {std::to_string(headerSize)}));
    if (b.size() < 14 + headerSize) reject(path, cut);
    const bool core = headerSize == 12;
    const std::int64_t width = core ? std::int64_t{le16(b, 18)} : std::int32_t(le32(b, 18));
    const std::int64_t rawHeight = core ? std::int64_t{le16(b, 20)} : std::int32_t(le32(b, 22));
    const unsigned planes = le16(b, core ? 22 : 26);
    const unsigned bitsPerPixel = le16(b, core ? 24 : 28);
    const std::uint32_t compression = headerSize >= 40 ? le32(b, 30) : bmpRgb;
    if (width <= 0 || rawHeight == 0 || rawHeight == INT32_MIN) reject(path, tr(N_("the BMP header gives no valid size")));
    const std::int64_t height = rawHeight < 0 ? -rawHeight : rawHeight;  // negative means top-down rows
    const PictureHeader header{PictureFormat::Bmp, static_cast<int>(std::min<std::int64_t>(width, INT32_MAX)),
                               static_cast<int>(height)};
    if (planes != 1) reject(path, trFill(N_("the BMP header is malformed (%d colour planes)"), {std::to_string(planes)}));

    const bool valid = bitsPerPixel == 1 || bitsPerPixel == 4 || bitsPerPixel == 8 || bitsPerPixel == 16 ||
                       bitsPerPixel == 24 || bitsPerPixel == 32;
    const bool readable = compression == bmpRgb || (compression == bmpRle8 && bitsPerPixel == 8) ||
                          (compression == bmpRle4 && bitsPerPixel == 4) ||
                          (compression == bmpBitFields && (bitsPerPixel == 16 || bitsPerPixel == 32) && headerSize != 64);
    if (!valid || !readable)
        reject(path, trFill(N_("unsupported BMP pixel format (%d bits per pixel, compression %d)"),
                                {std::to_string(bitsPerPixel), std::to_string(compression)}));

    // The colour masks follow a 40-byte header; the later ones hold them. Then the palette.
    std::size_t dataStart = 14 + headerSize + (headerSize == 40 && compression == bmpBitFields ? 12 : 0);
    if (bitsPerPixel <= 8) {
        const std::uint32_t used = headerSize >= 40 ? le32(b, 46) : 0;
        if (used > (1u << bitsPerPixel)) reject(path, trFill(N_("the BMP palette is malformed (%d colours)"), {std::to_string(used)}));
        dataStart += (used ? used : 1u << bitsPerPixel) * (core ? 3 : 4);
    }
    if (dataStart > b.size()) reject(path, tr(N_("the file is cut short (the BMP palette is incomplete)")));
    // The pixels start where the file header says, unless that points into the headers.
    dataStart = std::max<std::size_t>(dataStart, le32(b, 10));

    // Oversized pictures are refused by the caller; skip the size arithmetic for them.
    if (height > maxPictureSide || width > maxPictureSide) return header;
    const bool complete = compression == bmpRle8 || compression == bmpRle4
                              ? completeRle(b, dataStart, bitsPerPixel, height)
                              : dataStart + ((width * bitsPerPixel + 31) / 32) * 4 * height <= b.size();
    if (!complete) reject(path, tr(N_("the file is cut short (the BMP pixel data is incomplete)")));
    return header;
}

// Reads the frame size from the first start-of-frame segment.
std::optional<PictureHeader> jpegFrameSize(Bytes b) {
    std::size_t at = 2;
    while (at + 4 <= b.size()) {
        if (b[at] != 0xFF) return std::nullopt;
        const std::uint8_t marker = b[at + 1];
        if (marker == 0xFF) { ++at; continue; }  // fill bytes before a marker
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { at += 2; continue; }  // markers without a segment
        if (marker == 0xD8 || marker == 0xD9) return std::nullopt;  // a second start, or the end before any frame
        const unsigned length = be16(b, at + 2);
        const bool startOfFrame = marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
        if (startOfFrame) {
            if (at + 9 > b.size() || length < 8) return std::nullopt;
            return PictureHeader{PictureFormat::Jpeg, static_cast<int>(be16(b, at + 7)), static_cast<int>(be16(b, at + 5))};
        }
        if (marker == 0xDA || length < 2) return std::nullopt;
        at += 2 + length;
    }
    return std::nullopt;
}

PictureHeader checkJpeg(Bytes b, const std::string& path) {
    const std::optional<PictureHeader> header = jpegFrameSize(b);
    if (!header) reject(path, tr(N_("the JPEG has no readable frame header (malformed or cut short)")));
    const Bytes content = withoutPadding(b);
    if (content.size() < 2 || content[content.size() - 2] != 0xFF || content.back() != 0xD9)
        reject(path, tr(N_("the file is cut short (the JPEG has no end marker)")));
    return *header;
}

}  // namespace

PictureHeader checkPictureFile(Bytes bytes, const std::string& path) {
    if (bytes.empty()) reject(path, tr(N_("the file is empty")));
    PictureHeader header{};
    if (bytes.size() >= 3 && bytes[0] == 0xFF && bytes[1] == 0xD8 && bytes[2] == 0xFF)
        header = checkJpeg(bytes, path);
    else if (bytes.size() >= 6 && bytes[0] == 'G' && bytes[1] == 'I' && bytes[2] == 'F')
        header = checkGif(bytes, path);
    else if (bytes.size() >= 2 && bytes[0] == 'B' && bytes[1] == 'M')
        header = checkBmp(bytes, path);
    else
        reject(path, tr(N_("it is not a JPEG, GIF or BMP picture")));

    if (header.width <= 0 || header.height <= 0) reject(path, tr(N_("the picture has no size")));
    if (header.width > maxPictureSide || header.height > maxPictureSide ||
        static_cast<std::int64_t>(header.width) * header.height > maxPicturePixels)
        reject(path, trFill(N_("absurd dimensions %d x %d pixels (a picture may be at most %d pixels on a side and %d in all)"),
                            {std::to_string(header.width), std::to_string(header.height), std::to_string(maxPictureSide),
                             std::to_string(maxPicturePixels)}));
    return header;
}

}  // namespace lumenary
