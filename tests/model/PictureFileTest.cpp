#include "ScreenTest.h"
#include "runtime/PictureFile.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <array>
#include <bit>
#include <fstream>

namespace lumenary::testing {
namespace {

namespace fs = std::filesystem;
using namespace std::string_literals;
using Masks = std::array<std::uint32_t, 4>;  // red, green, blue, alpha

// A value's lowest `bytes` bytes, little-endian; and 16 bits big-endian, as JPEG stores them.
std::string le(std::int64_t value, int bytes) { return bytes ? char(value) + le(value >> 8, bytes - 1) : ""; }
std::string be16(std::size_t value) { return {char(value >> 8), char(value)}; }

// The hand-made pictures all hold one reference picture: 7 x 10 pixels, each a colour of a
// 16-colour palette (2 for one bit a pixel), in pairs along the rows so that run-length coding
// has runs to code. Every channel is a multiple of 8, so 16-bit pixels hold it exactly. The first
// colour and the first pixel stored (bottom left) are not black, so a header one byte off shows.
constexpr int refWidth = 7, refHeight = 10;
constexpr QRgb palette[16] = {0x0000F8, 0xF8F8F8, 0xF80000, 0x00F800, 0x000000, 0xF8F800, 0x00F8F8, 0xF800F8,
                              0x808080, 0x400048, 0x004000, 0x000040, 0xC08040, 0x40C080, 0x8040C0, 0xC0C0C0};
int indexAt(int x, int y, int colours) { return (x / 2 + y) % colours; }
int channelDistance(QRgb a, QRgb b) { return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))}); }

// What a picture should look like shown on black: its size and some of its pixels, each channel within `tolerance`.
struct Expected { std::string bytes; QSize size; std::vector<std::pair<QPoint, QRgb>> pixels; int tolerance = 0; };
Expected reference(std::string bytes, int colours, int transparentIndex = -1, int tolerance = 0) {
    Expected e{std::move(bytes), {refWidth, refHeight}, {}, tolerance};
    for (int y = 0; y < refHeight; ++y)
        for (int x = 0; x < refWidth; ++x) e.pixels.push_back({{x, y}, indexAt(x, y, colours) == transparentIndex ? 0 : palette[indexAt(x, y, colours)]});
    return e;
}

// A BMP of the reference picture: its info header's size, bits a pixel, compression (0 rows as
// they are, 1 RLE8, 2 RLE4, 3 bit fields), row order, masks (none: 5-5-5 or 8-8-8), palette
// entries when not 2^bits, and bytes of junk between palette and pixels that the file header skips.
struct Bmp { int header = 40, bits = 24, compression = 0; bool topDown = false; Masks masks{}; int colours = 0, gap = 0; };

std::uint32_t packed(QRgb c, const Masks& masks, bool transparent) {
    std::uint32_t value = 0;
    for (int i = 0; const int channel : {qRed(c), qGreen(c), qBlue(c), transparent ? 0 : 255})
        if (const std::uint32_t mask = masks[i++]) value |= std::uint32_t(channel >> (8 - std::popcount(mask))) << std::countr_zero(mask);
    return value;
}

std::string bmpFile(const Bmp& f, const std::string& alterHeader = {}) {
    const bool core = f.header == 12, rle = f.compression == 1 || f.compression == 2;
    const int colours = f.bits == 1 ? 2 : 16, paletteSize = f.bits > 8 ? 0 : f.colours ? f.colours : 1 << f.bits;
    Masks masks = f.masks;
    if (!masks[0] && (f.bits == 16 || f.bits == 32)) masks = f.bits == 16 ? Masks{0x7C00, 0x03E0, 0x001F, 0} : Masks{0xFF0000, 0xFF00, 0xFF, 0};
    std::string info = core ? le(12, 4) + le(refWidth, 2) + le(refHeight, 2) + le(1, 2) + le(f.bits, 2)
                            : le(f.header, 4) + le(refWidth, 4) + le(f.topDown ? -refHeight : refHeight, 4) + le(1, 2) + le(f.bits, 2) +
                                  le(f.compression, 4) + le(0, 4) + le(2835, 4) + le(2835, 4) + le(f.colours, 4) + le(0, 4);
    const std::string maskBytes = le(masks[0], 4) + le(masks[1], 4) + le(masks[2], 4) + le(masks[3], 4);
    if (f.header > 40) info += maskBytes;
    info.resize(f.header, '\0');
    if (f.header == 40 && f.compression == 3) info += maskBytes.substr(0, 12);
    std::string table, rows;  // the palette: blue, green, red, and a fourth byte but in the core header
    for (int i = 0; i < paletteSize; ++i) table += le(palette[i % 16], core ? 3 : 4);
    for (int r = 0; r < refHeight; ++r) {
        const int y = f.topDown ? r : refHeight - 1 - r;
        const auto at = [&](int x) { return char(indexAt(x, y, colours)); };
        if (rle) {  // three pixels given one by one, then runs of 1, 2 and 1, then the end of the row (or of the picture)
            rows += f.bits == 8 ? std::string{'\0', 3, at(0), at(1), at(2), '\0'} : std::string{'\0', 3, char(at(0) << 4 | at(1)), char(at(2) << 4)};
            for (const int x : {3, 4, 6}) rows += std::string{char(x == 4 ? 2 : 1), f.bits == 8 ? at(x) : char(at(x) << 4 | at(x))};
            rows += std::string{'\0', char(y == 0)};
            continue;
        }
        std::string row;
        for (int x = 0, buffer = 0, count = 0; x < refWidth; ++x) {
            const int i = at(x);
            if (f.bits > 8) row += f.bits == 24 ? le(palette[i], 3) : le(packed(palette[i], masks, i == 1 && masks[3]), f.bits / 8);
            // Up to 8 bits, pixels fill bytes from the top bit; the row's last byte is filled up with zeros.
            else if (buffer = buffer << f.bits | i, count += f.bits; count == 8 || x == refWidth - 1) row += char(buffer << (8 - count)), buffer = count = 0;
        }
        rows += row + std::string((4 - row.size() % 4) % 4, '\0');  // rows padded to 4 bytes
    }
    const std::size_t offset = 14 + info.size() + table.size() + f.gap;
    std::string file = "BM" + le(offset + rows.size(), 4) + le(0, 4) + le(offset, 4) + info + table + std::string(f.gap, '\x55') + rows;
    return file.replace(14, alterHeader.size(), alterHeader);
}
// A 5- or 6-bit channel widened to 8 bits: Qt 6.4 leaves the low bits clear, Qt 6.8 repeats the high ones.
Expected bmpCase(const Bmp& f) { return reference(bmpFile(f), f.bits == 1 ? 2 : 16, f.masks[3] ? 1 : -1, f.bits == 16 ? 7 : 0); }

// A GIF of the reference picture: 87a or 89a, rows in order or interlaced, perhaps with a
// transparent colour, its colours for the whole file or for the picture alone. Its codes are never
// packed (each pixel its own code, the table cleared before codes grow wider), which every decoder reads.
std::string gifFile(bool version89, bool interlaced, int transparent = -1, bool localColours = false) {
    std::string colours;
    for (const QRgb c : palette) colours += std::string{char(qRed(c)), char(qGreen(c)), char(qBlue(c))};
    std::string out = (version89 ? "GIF89a" : "GIF87a") + le(refWidth, 2) + le(refHeight, 2) + char(localColours ? 0 : 0xF3) + "\0\0"s + (localColours ? "" : colours);
    if (transparent >= 0) out += "\x21\xF9\x04\x01\x00\x00"s + char(transparent) + '\0';
    out += "\x2C" + le(0, 4) + le(refWidth, 2) + le(refHeight, 2) + char((interlaced ? 0x40 : 0) | (localColours ? 0x83 : 0)) +
           (localColours ? colours : "") + "\x04";
    const std::pair<int, int> passes[] = {{0, 8}, {4, 8}, {2, 4}, {1, 2}, {0, 1}};  // first row and step: interlaced, or in order
    std::string data;
    std::uint32_t buffer = 0, bits = 0, pixels = 0;
    const auto put = [&](std::uint32_t code) { for (buffer |= code << bits, bits += 5; bits >= 8; buffer >>= 8, bits -= 8) data += char(buffer); };
    for (const auto& [first, step] : interlaced ? std::span(passes, 4) : std::span(passes + 4, 1))
        for (int y = first; y < refHeight; y += step)
            for (int x = 0; x < refWidth; ++x) {
                if (pixels++ % 12 == 0) put(16);  // clear
                put(indexAt(x, y, 16));
            }
    put(17);  // end of data
    if (bits) data += char(buffer);
    for (std::size_t at = 0; at < data.size(); at += 255) out += char(std::min<std::size_t>(255, data.size() - at)) + data.substr(at, 255);
    return out + "\0\x3B"s;
}

// A JPEG Qt writes of four flat quadrants, 32 x 32 (each a whole coding unit, so its colour
// survives compression), perhaps with bytes inserted after its start marker, and what is to be
// seen in the quadrants' middles.
Expected jpegCase(bool grey, bool progressive, const std::string& afterStart = "") {
    const QRgb colours[4] = {grey ? 0x1E1E1E : 0xD02020u, grey ? 0x646464 : 0x20D020u, grey ? 0xAAAAAA : 0x2020D0u, 0xF0F0F0};
    QImage image(32, 32, QImage::Format_RGB32);
    for (int q = 0; q < 4; ++q) QPainter(&image).fillRect(q % 2 * 16, q / 2 * 16, 16, 16, QColor(colours[q]));
    QBuffer buffer;
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(grey ? image.convertToFormat(QImage::Format_Grayscale8) : image));
    EXPECT_TRUE(buffer.data().contains(progressive ? "\xFF\xC2" : "\xFF\xC0")) << "the JPEG is of the kind the case is about";
    Expected e{buffer.data().toStdString().insert(2, afterStart), {32, 32}, {}, 12};
    for (int q = 0; q < 4; ++q) e.pixels.push_back({{q % 2 * 16 + 8, q / 2 * 16 + 8}, colours[q]});
    return e;
}

// What loading a file gives, or the reason it is refused: its message must name the file.
template <class Load>
std::string outcome(const std::string& path, const Load& load) try {
    return load();
} catch (const RuntimeError& error) {
    const std::string prefix = "Cannot load picture \"" + path + "\": ", message = error.what();
    return message.starts_with(prefix) ? message.substr(prefix.size()) : "badly worded: " + message;
}

class PictureLoadingTest : public ScreenTest {
protected:
    fs::path folder = fs::temp_directory_path() / ("lumenary-pictures-" + std::to_string(std::random_device{}()));

    PictureLoadingTest() { fs::create_directories(folder / "Images" / "dir.jpg"), platform.folder = folder; }
    ~PictureLoadingTest() override { fs::remove_all(folder), fs::remove(folder.string() + "-outside.jpg"); }
    void write(const std::string& relative, const std::string& bytes) {
        std::ofstream(folder / relative, std::ios::binary) << bytes;
        // The fuzzer's seed corpus takes the test's pictures from here.
        if (const char* keep = std::getenv("LUMENARY_KEEP_TEST_PICTURES"))
            std::ofstream(fs::path(keep) / fs::path(relative).filename(), std::ios::binary) << bytes;
    }
    std::string width(const std::string& path) { return outcome(path, [&] { return std::to_string(runtime.loadPicture(path).width()); }); }
};

// Every BMP info header (12 core, 16 and 64 OS/2, 40, 52 V2, 56 V3, 108 V4, 124 V5) at some of its pixel formats
// (fields in Bmp's order but where named), every GIF version and row order, every kind of JPEG: loaded through the
// program's folder and shown as stored; and cut short by a third, refused naming the file.
TEST_F(PictureLoadingTest, EachFormatLoadsAndPaintsItsPixelsAndCutShortIsRefused) {
    // Bit fields by where each channel lies, red to alpha: 5-6-5, and bytes in the order B G R A, x R G B and A R G B.
    const Masks rgb565{0xF800, 0x7E0, 0x1F, 0}, bgra{0xFF0000, 0xFF00, 0xFF, 0xFF000000}, xrgb{0xFF00, 0xFF0000, 0xFF000000, 0}, argb{0xFF00, 0xFF0000, 0xFF000000, 0xFF};
    const std::pair<const char*, Expected> formats[] = {
        {"core1.bmp", bmpCase({12, 1})},    {"core4.bmp", bmpCase({12, 4})},      {"core8.bmp", bmpCase({12, 8})},      {"core24.bmp", bmpCase({12, 24})},
        {"os2short8.bmp", bmpCase({16, 8})}, {"os2short24.bmp", bmpCase({16, 24})}, {"os2full4.bmp", bmpCase({64, 4})},   {"os2full24.bmp", bmpCase({64, 24})},
        {"info1.bmp", bmpCase({40, 1})},    {"info4.bmp", bmpCase({40, 4})},      {"info16.bmp", bmpCase({40, 16})},    {"info24.bmp", bmpCase({40, 24})},
        {"info32.bmp", bmpCase({40, 32})},  {"v3pal8.bmp", bmpCase({56, 8})},     {"v4rgb555.bmp", bmpCase({108, 16})}, {"v5pal1.bmp", bmpCase({124, 1})},
        {"info8.bmp", bmpCase({.bits = 8, .colours = 16})},             {"info8topdown.bmp", bmpCase({.bits = 8, .topDown = true})},
        {"info24topdown.bmp", bmpCase({.bits = 24, .topDown = true})},  {"v4pal4.bmp", bmpCase({.header = 108, .bits = 4, .topDown = true})},
        {"rle8.bmp", bmpCase({.bits = 8, .compression = 1})},           {"rle4.bmp", bmpCase({.bits = 4, .compression = 2})},
        {"fields565.bmp", bmpCase({.bits = 16, .compression = 3, .masks = rgb565})},  {"fields32.bmp", bmpCase({.bits = 32, .compression = 3, .masks = xrgb})},
        {"v2fields16.bmp", bmpCase({52, 16, 3, false, rgb565})},        {"v3alpha32.bmp", bmpCase({56, 32, 3, false, bgra})},
        {"v5alpha32.bmp", bmpCase({124, 32, 3, false, argb})},          {"v5rle8.bmp", bmpCase({.header = 124, .bits = 8, .compression = 1})},
        // Pixels where the file header says, past a gap, for each header that the reader is handed padded.
        {"gapinfo24.bmp", bmpCase({.bits = 24, .gap = 6})},             {"gapos2short8.bmp", bmpCase({.header = 16, .bits = 8, .gap = 6})},
        {"gapv3pal4.bmp", bmpCase({.header = 56, .bits = 4, .gap = 10})}, {"gapv2fields16.bmp", bmpCase({52, 16, 3, false, rgb565, 0, 2})},
        {"plain87.gif", reference(gifFile(false, false), 16)},               {"interlaced87.gif", reference(gifFile(false, true), 16)},
        {"interlaced89.gif", reference(gifFile(true, true), 16)},            {"transparent89.gif", reference(gifFile(true, false, 1), 16, 1)},
        {"localcolours89.gif", reference(gifFile(true, true, -1, true), 16)}, {"baseline.jpg", jpegCase(false, false)},
        {"progressive.jpg", jpegCase(false, true)}, {"grey.jpg", jpegCase(true, false)},  {"greyprogressive.jpg", jpegCase(true, true)},
        // Fill bytes, markers without a segment and an embedded thumbnail's markers before the frame.
        {"markers.jpg", jpegCase(false, false, "\xFF\xFF\xFF\xD0\xFF\x01\xFF\xE1\x00\x06\xFF\xD8\xFF\xD9"s)},
        {"markersprogressive.jpg", jpegCase(false, true, "\xFF\xFE\x00\x05" "abc\xFF\xFF\xD7"s)},
        // An orientation tag saying "turn a quarter": the pixels are shown as stored, at the size the header gives.
        {"exifturned.jpg", jpegCase(false, false, "\xFF\xE1\x00\x22" "Exif\x00\x00" "II\x2A\x00\x08\x00\x00\x00" "\x01\x00"
                                                  "\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00" "\x00\x00\x00\x00"s)},
    };
    for (const auto& [file, expected] : formats) {
        SCOPED_TRACE(file);
        write("Images/"s + file, expected.bytes);
        const Picture picture = runtime.loadPicture("Images\\"s + file);
        EXPECT_EQ(QSize(picture.width(), picture.height()), expected.size);
        const QImage shown = asQImage(picture).convertToFormat(QImage::Format_ARGB32_Premultiplied);  // a transparent pixel as black
        for (const auto& [point, rgb] : expected.pixels)
            EXPECT_LE(channelDistance(shown.pixel(point), rgb), expected.tolerance)
                << "at " << point.x() << ", " << point.y() << ": " << std::hex << shown.pixel(point) << " for " << rgb;
        write("Images/cut", expected.bytes.substr(0, expected.bytes.size() * 2 / 3));
        EXPECT_TRUE(width("Images\\cut").starts_with("the file is cut short (")) << width("Images\\cut");
    }
}

std::string segment(int marker, const std::string& body) { return "\xFF"s + char(marker) + be16(body.size() + 2) + body; }
// A JPEG: start marker, some segments, a frame header of the given kind and size, the end marker.
std::string jpeg(const std::string& before, int frame, int width, int height, const std::string& end = "\xFF\xD9") {
    return "\xFF\xD8" + before + segment(frame, "\x08" + be16(height) + be16(width) + "\x01\x01\x11\x00"s) + end;
}
// A GIF header claiming a size and no picture.
std::string gif(int width, int height) { return "GIF89a" + le(width, 2) + le(height, 2) + "\0\0\0\x3B"s; }
// bmpFile({}) (24 bits, 7 x 10) with the first fields of its 40-byte info header replaced.
std::string bmp40(std::int64_t width, std::int64_t height = 10, int planes = 1, int bits = 24, int compression = 0) {
    return bmpFile({}, le(40, 4) + le(width, 4) + le(height, 4) + le(planes, 2) + le(bits, 2) + le(compression, 4));
}

TEST(PictureFileTest, HeadersAreReadAndBadFilesRefusedWithTheReason) {
    const std::string jfif = segment(0xE0, "JFIF") + segment(0xE1, "") + "\xFF" + segment(0xC4, "ab") + segment(0xC8, "cd") +
                             segment(0xCC, "ef") + segment(0xB0, "gh") + segment(0xDB, std::string(9, '\x01'));
    const std::string bmp24 = bmpFile({}), rle4 = bmpFile({.bits = 4, .compression = 2}), pal8 = bmpFile({.bits = 8}), gif87 = gifFile(false, false);
    const std::string cut = "the file is cut short (", jpegEnd = cut + "the JPEG has no end marker)", gifHead = cut + "incomplete GIF header)",
                      gifEnd = cut + "the GIF has no end marker)", bmpHead = cut + "incomplete BMP header)", bmpData = cut + "the BMP pixel data is incomplete)",
                      noFrame = "the JPEG has no readable frame header (malformed or cut short)", alien = "it is not a JPEG, GIF or BMP picture",
                      noSize = "the BMP header gives no valid size", sizeless = "the picture has no size", unsupported = "unsupported BMP pixel format (";
    const auto absurd = [](const char* size) { return "absurd dimensions "s + size + " pixels (a picture may be at most 16384 pixels on a side and 8388608 in all)"; };
    const std::pair<std::string, std::string> cases[] = {
        {"", "the file is empty"},                      {"this is not a picture", alien},          {"\xFF\xD8"s, alien},    {"\xFF\xD8\x00\xC0\xFF\xD9"s, alien},
        // JPEG: segments, fill bytes and markers without a segment are walked to the frame; trailing zeros are padding.
        {jpeg(jfif, 0xC0, 300, 513), "0: 300 x 513"},   {jpeg("", 0xC2, 17, 9) + std::string(4, '\0'), "0: 17 x 9"}, {jpeg("\xFF\xD3\xFF\x01", 0xCF, 1, 2), "0: 1 x 2"},
        // A scan, a second start, an early end or a length under 2 stops the walk; a frame header of just its fields is read.
        {jpeg(segment(0xDA, "scan"), 0xC0, 1, 1), noFrame}, {jpeg("\xFF\xD8\x00\x02"s, 0xC0, 1, 1), noFrame}, {jpeg("\xFF\xD9\x00\x02"s, 0xC0, 1, 1), noFrame},
        {jpeg("\xFF\xE0\x00\x01"s, 0xC0, 1, 1), noFrame}, {"\xFF\xD8\xFF\xC0\x00\x08\x08\x00\x01\x00\x01\x01\xFF\xD9"s, "0: 1 x 1"},
        // Cut short: a frame header a byte short of its fields, within a segment's length, in the frame, or before the end marker.
        {"\xFF\xD8\xFF\xC0\x00\x07\x08\x00\x01\x00\x01\x01\xFF\xD9"s, noFrame}, {"\xFF\xD8\xFF"s, noFrame}, {"\xFF\xD8\xFF\xE0\x00"s, noFrame},
        {jpeg("", 0xC0, 1, 1).substr(0, 10), noFrame},  {jpeg("", 0xC0, 3, 2).substr(0, 11), jpegEnd},          {jpeg("", 0xC0, 1, 1, "\xD9\xFF"), jpegEnd},
        // GIF: its size, at most 16384 on a side and 8388608 pixels in all.
        {gif(300, 513) + std::string(5, '\0'), "1: 300 x 513"}, {gif(1, 1), "1: 1 x 1"},           {gif(0, 10), sizeless},  {gif(10, 0), sizeless},
        {gif(1, 16384), "1: 1 x 16384"},                {gif(1, 16385), absurd("1 x 16385")},      {gif(16384, 512), "1: 16384 x 512"},
        {gif(16384, 513), absurd("16384 x 513")},       {gif(4097, 2048), absurd("4097 x 2048")},
        // Cut short: in its header, or anywhere before the end marker (in a block's data, or with every block whole).
        {"GIF89", alien},                               {"GIF89a", gifHead},                       {gifFile(true, true).substr(0, 12), gifHead},
        {gif(1, 1).substr(0, 13), gifEnd},              {gifFile(true, false, 1).substr(0, 13 + 48 + 5), gifEnd},      {gif87.substr(0, gif87.size() - 1), gifEnd},
        {std::string(gif87).erase(gif87.size() - 2, 1), gifEnd},
        // BMP: its info header and size.
        {"BM", bmpHead},                                {"BM" + std::string(15, '\0'), bmpHead},   {bmpFile({.header = 124}).substr(0, 137), bmpHead},
        {"BM" + std::string(16, '\0'), "unsupported BMP header (0 bytes)"},                        {bmpFile({}, le(20, 4)), "unsupported BMP header (20 bytes)"},
        {bmp40(1, 1), "2: 1 x 1"},                      {bmp40(1, -1), "2: 1 x 1"},                {bmp40(0), noSize},      {bmp40(-7), noSize},
        {bmp40(7, 0), noSize},                          {bmp40(7, INT32_MIN), noSize},             {bmpFile({.header = 12}, le(12, 4) + le(0, 2)), noSize},
        {bmpFile({.header = 12}, le(12, 4) + le(40000, 2)), absurd("40000 x 10")},
        {bmpFile({.bits = 8, .compression = 1}, le(40, 4) + le(16384, 4) + le(16384, 4)), absurd("16384 x 16384")},
        // Its planes, pixel format (1 bit with compression 3 is OS/2's Huffman coding) and palette.
        {bmp40(7, 10, 2), "the BMP header is malformed (2 colour planes)"}, {bmp40(7, 10, 1, 2), unsupported + "2 bits per pixel, compression 0)"},
        {bmp40(7, 10, 1, 24, 1), unsupported + "24 bits per pixel, compression 1)"},
        {bmp40(7, 10, 1, 8, 2), unsupported + "8 bits per pixel, compression 2)"}, {bmp40(7, 10, 1, 4, 1), unsupported + "4 bits per pixel, compression 1)"},
        {bmpFile({.header = 64, .bits = 1, .compression = 3}), unsupported + "1 bits per pixel, compression 3)"},
        {bmpFile({.bits = 8, .colours = 256}), "2: 7 x 10"}, {bmpFile({.bits = 8, .colours = 257}), "the BMP palette is malformed (257 colours)"},
        {pal8.substr(0, 54 + 1000), cut + "the BMP palette is incomplete)"},                       {pal8.substr(0, 54 + 1024), bmpData},  // the palette whole
        // Its pixel data: complete, or cut short, also at the widest, the tallest, or where the file header says it starts.
        {bmp24 + "trailing", "2: 7 x 10"},              {bmp24.substr(0, bmp24.size() - 1), bmpData}, {bmp40(300, -2), bmpData}, {bmp40(16384, 1), bmpData},
        {bmp40(1, 16384), bmpData},                     {bmpFile({.header = 12}).substr(0, 26), bmpData},
        {std::string(pal8).replace(10, 4, le(14 + 40 + 1024 + 100, 4)), bmpData},
        // Run-length coded rows: cut before the end, or moved up past the last row.
        {rle4.substr(0, rle4.size() - 2), bmpData},     {rle4.substr(0, rle4.size() - 2) + "\x00\x02\x00\x01"s, "2: 7 x 10"},
    };
    // What the header says, or why the file is refused. The bytes are copied to a buffer of exactly
    // their length, so that AddressSanitizer sees a read one past the end.
    for (const auto& [bytes, expected] : cases) {
        const std::vector<std::uint8_t> exact(bytes.begin(), bytes.end());
        const std::string verdict = outcome("Images\\x", [&] {
            const PictureHeader h = checkPictureFile(exact, "Images\\x");
            return std::to_string(int(h.format)) + ": " + std::to_string(h.width) + " x " + std::to_string(h.height);
        });
        EXPECT_EQ(verdict, expected) << ::testing::PrintToString(bytes);
    }
}

TEST(PictureFileTest, PicturePixelsMustMatchTheirSize) {
    const auto pixel = std::make_shared<const std::uint32_t>(0xff000000u);
    EXPECT_NO_THROW(Picture(1, 1, pixel, true, ""));
    for (const auto& [width, height, shared, count] : {std::tuple{1, 1, false, 3}, {1, 0, true, 0}, {0, 1, true, 0}, {2, 2, false, 3}}) {
        EXPECT_THROW(Picture(width, height, shared ? pixel : nullptr, true, ""), std::invalid_argument) << width << " x " << height;
        EXPECT_THROW(Picture(width, height, std::vector<std::uint32_t>(count), ""), std::invalid_argument) << width << " x " << height;
    }
}

TEST_F(PictureLoadingTest, PathsResolveInsideTheProgramFolderRegardlessOfCase) {
    const std::string jpeg = jpegCase(false, false).bytes, outside = "../" + folder.filename().string() + "-outside.jpg";
    const std::string garbled = jpeg.substr(0, 200) + std::string(jpeg.size() - 202, '\xFF') + "\xFF\xD9";
    for (const auto& [name, bytes] : std::initializer_list<std::pair<std::string, std::string>>{
             {"Images/exit.jpg", jpeg}, {"Images/Two.bmp", bmpFile({})}, {"Images/two.bmp", bmpFile({.header = 12, .bits = 1}, le(12, 4) + le(3, 2))},
             {"Images/garbled.jpg", garbled}, {"Images/limit.jpg", jpeg}, {"Images/huge.jpg", jpeg}, {outside, jpeg}})
        write(name, bytes);
    fs::create_symlink(folder / outside, folder / "Images" / "link.jpg");
    // Sparse, so nothing is written: a picture at the limit of 64 MiB with nothing after its end, and one a byte over.
    fs::resize_file(folder / "Images" / "limit.jpg", maxPictureFileBytes);
    fs::resize_file(folder / "Images" / "huge.jpg", maxPictureFileBytes + 1);
    const std::string absolute = "absolute paths are not allowed; pictures live in the program's folder";
    const std::pair<std::string, std::string> cases[] = {
        {"Images\\exit.jpg", "32"},  {"images\\EXIT.JPG", "32"},  {"IMAGES/Exit.Jpg", "32"},  {".\\Images\\\\exit.jpg", "32"}, {"Images\\limit.jpg", "32"},
        {"Images\\Two.bmp", "7"},    {"Images\\two.bmp", "3"},    {"Images\\huge.jpg", "the file is too large"}, {"Images\\dir.jpg", "it is not a file"},
        {"\\etc\\passwd", absolute}, {"/etc/passwd", absolute},   {"C:\\exit.jpg", absolute}, {"C:", absolute}, {"Images\\missing.jpg", "the file does not exist"},
        {"Images\\..\\..\\x.jpg", "the path climbs out of the program's folder"}, {"Images\\link.jpg", "the path leads out of the program's folder"},
        {"Pictures\\exit.jpg", "the folder \"Pictures\" does not exist"},         {"Images\\garbled.jpg", "it is malformed (Unable to read image data)"},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(width(path), expected) << path;
    EXPECT_TRUE(runtime.loadPicture("").isEmpty());
    EXPECT_EQ(runtime.loadPicture("Images\\Two.bmp").sourcePath(), "Images\\Two.bmp");
}

// Every input that ever crashed, hung or ran away with memory in the picture fuzzer
// (scripts/fuzz.sh), through the same path: a picture painted, or a refusal naming the file.
TEST_F(PictureLoadingTest, FuzzFindingsAreRefusedOrPaintedNeverCrash) {
    platform.folder = LUMENARY_FUZZ_FINDINGS;
    ASSERT_FALSE(fs::is_empty(platform.folder));
    for (const auto& entry : fs::directory_iterator(platform.folder)) {
        const std::string name = entry.path().filename().string();
        EXPECT_FALSE(outcome(name, [&] {
            const Picture picture = runtime.loadPicture(name);
            EXPECT_LE(std::int64_t(picture.width()) * picture.height(), maxPicturePixels) << name;
            QImage window(320, 240, QImage::Format_RGB32);
            QPainter painter(&window);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(3, 5, picture.width() * 1.8, picture.height() * 1.8), asQImage(picture));
            return "painted"s;
        }).starts_with("badly worded")) << name;
    }
}

// A picture a shown screen holds is not decoded again for another; one no screen holds any
// more is freed, and read again when it is next shown. A file a teacher replaced meanwhile is
// read afresh, and a broken replacement is reported, not hidden by the cache.
TEST_F(PictureLoadingTest, ACachedPictureIsTheSamePictureAndAReplacedFileIsReadAgain) {
    write("Images/a.bmp", bmpFile({}));
    const Picture::Weak dropped(runtime.loadPicture("Images\\a.bmp"));
    EXPECT_TRUE(dropped.expired()) << "the cache keeps no picture alive";
    const Picture first = runtime.loadPicture("Images\\a.bmp");
    EXPECT_EQ(first.width(), 7);
    EXPECT_TRUE(runtime.loadPicture("Images\\a.bmp") == first) << "not decoded again";
    write("Images/a.bmp", bmpFile({.header = 12, .bits = 1}, le(12, 4) + le(3, 2)));
    EXPECT_EQ(width("Images\\a.bmp"), "3");
    write("Images/a.bmp", "\xFF\xD8\xFF broken");
    EXPECT_EQ(width("Images\\a.bmp"), "the JPEG has no readable frame header (malformed or cut short)");
}

}  // namespace
}  // namespace lumenary::testing
