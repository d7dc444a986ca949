#include "ScreenTest.h"
#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/PictureFile.h"
#include "runtime/RuntimeError.h"

#include <QBuffer>
#include <QImage>
#include <QImageWriter>
#include <QPainter>

#include <algorithm>
#include <array>
#include <bit>
#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>

namespace lumenary::testing {
namespace {

namespace fs = std::filesystem;

std::string le(std::int64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i) out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}
std::string be16(std::size_t value) { return {static_cast<char>(value >> 8), static_cast<char>(value & 0xFF)}; }

// The hand-made pictures all hold one reference picture: 7 x 10 pixels, each a colour of a
// 16-colour palette (2 for one bit a pixel), in pairs along the rows so that run-length coding
// has runs to code. Every channel is a multiple of 8, so 16-bit pixels hold it exactly. The first
// colour and the first pixel stored (bottom left) are not black, so a header one byte off shows.
constexpr int refWidth = 7, refHeight = 10;
constexpr QRgb palette[16] = {0x0000F8, 0xF8F8F8, 0xF80000, 0x00F800, 0x000000, 0xF8F800, 0x00F8F8, 0xF800F8,
                              0x808080, 0x400048, 0x004000, 0x000040, 0xC08040, 0x40C080, 0x8040C0, 0xC0C0C0};
int indexAt(int x, int y, int colours) { return (x / 2 + y) % colours; }

// What a picture should look like painted on black: its size and some of its pixels.
struct Expected {
    std::string bytes;
    QSize size;
    std::vector<std::pair<QPoint, QRgb>> pixels;
    int tolerance = 0;
};
Expected reference(std::string bytes, int colours, int transparentIndex = -1) {
    Expected e{std::move(bytes), {refWidth, refHeight}, {}};
    for (int y = 0; y < refHeight; ++y)
        for (int x = 0; x < refWidth; ++x) {
            const int i = indexAt(x, y, colours);
            e.pixels.push_back({{x, y}, i == transparentIndex ? 0 : palette[i]});
        }
    return e;
}

// A BMP of the reference picture.
struct Bmp {
    int header = 40;  // the info header's size
    int bits = 24;
    int compression = 0;  // 0 rows as they are, 1 RLE8, 2 RLE4, 3 bit fields
    bool topDown = false;
    std::array<std::uint32_t, 4> masks{};  // red, green, blue, alpha; none: 5-5-5 or 8-8-8
    int colours = 0;  // palette entries, when not 2^bits
    int gap = 0;  // bytes of junk between the palette and the pixels, which the file header skips
};

std::uint32_t packed(QRgb c, const std::array<std::uint32_t, 4>& masks, bool transparent) {
    const int channels[4] = {qRed(c), qGreen(c), qBlue(c), transparent ? 0 : 255};
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i)
        if (masks[i]) value |= std::uint32_t(channels[i] >> (8 - std::popcount(masks[i]))) << std::countr_zero(masks[i]);
    return value;
}

// Run-length coded rows: three pixels given one by one, then runs, then the end of the row.
std::string rleRows(const Bmp& f) {
    std::string out;
    for (int y = refHeight - 1; y >= 0; --y) {
        const auto at = [&](int x) { return indexAt(x, y, 16); };
        if (f.bits == 8) out += std::string("\x00\x03", 2) + char(at(0)) + char(at(1)) + char(at(2)) + '\0';
        else out += std::string("\x00\x03", 2) + char(at(0) << 4 | at(1)) + char(at(2) << 4);
        for (int x = 3; x < refWidth; x += x == 3 ? 1 : 2) {
            const int run = x == 3 ? 1 : std::min(2, refWidth - x);
            out += char(run) + std::string(1, char(f.bits == 8 ? at(x) : at(x) << 4 | at(x)));
        }
        out += y == 0 ? std::string("\x00\x01", 2) : std::string("\x00\x00", 2);
    }
    return out;
}

std::string bmpFile(const Bmp& f, const std::string& alterHeader = {}) {
    const bool core = f.header == 12, bitFields = f.compression == 3;
    const int paletteSize = f.bits <= 8 ? (f.colours ? f.colours : 1 << f.bits) : 0;
    const int colours = f.bits == 1 ? 2 : 16;
    auto masks = f.masks;
    if (!masks[0] && f.bits == 16) masks = {0x7C00, 0x03E0, 0x001F, 0};
    if (!masks[0] && f.bits == 32) masks = {0xFF0000, 0xFF00, 0xFF, 0};
    std::string info = core ? le(12, 4) + le(refWidth, 2) + le(refHeight, 2) + le(1, 2) + le(f.bits, 2)
                            : le(f.header, 4) + le(refWidth, 4) + le(f.topDown ? -refHeight : refHeight, 4) + le(1, 2) +
                                  le(f.bits, 2) + le(f.compression, 4) + le(0, 4) + le(2835, 4) + le(2835, 4) +
                                  le(f.colours, 4) + le(0, 4);
    std::string maskBytes = le(masks[0], 4) + le(masks[1], 4) + le(masks[2], 4) + le(masks[3], 4);
    if (f.header > 40) info += maskBytes;
    info.resize(f.header, '\0');
    if (f.header == 40 && bitFields) info += maskBytes.substr(0, 12);
    std::string table;  // blue, green, red, and a fourth byte but in the core header
    for (int i = 0; i < paletteSize; ++i) table += le(palette[i % 16], core ? 3 : 4);
    std::string rows = f.compression == 1 || f.compression == 2 ? rleRows(f) : "";
    if (rows.empty())
        for (int r = 0; r < refHeight; ++r) {
            const int y = f.topDown ? r : refHeight - 1 - r;
            std::string row;
            std::uint32_t bitBuffer = 0;
            int bitCount = 0;
            for (int x = 0; x < refWidth; ++x) {
                const int i = indexAt(x, y, colours);
                if (f.bits <= 8) {
                    bitBuffer = bitBuffer << f.bits | i, bitCount += f.bits;
                    if (bitCount == 8) row += char(bitBuffer), bitBuffer = 0, bitCount = 0;
                } else {
                    row += f.bits == 24 ? le(palette[i], 3) : le(packed(palette[i], masks, i == 1 && masks[3]), f.bits / 8);
                }
            }
            if (bitCount) row += char(bitBuffer << (8 - bitCount));
            row.resize((row.size() + 3) / 4 * 4, '\0');
            rows += row;
        }
    const std::size_t offset = 14 + info.size() + table.size() + f.gap;
    std::string file = "BM" + le(offset + rows.size(), 4) + le(0, 4) + le(offset, 4) + info + table + std::string(f.gap, '\x55') + rows;
    file.replace(14, alterHeader.size(), alterHeader);
    return file;
}
Expected bmpCase(const Bmp& f) {
    Expected e = reference(bmpFile(f), f.bits == 1 ? 2 : 16, f.masks[3] ? 1 : -1);
    // A 5- or 6-bit channel widened to 8 bits: Qt 6.4 leaves the low bits clear, Qt 6.8 repeats the high ones.
    if (f.bits == 16) e.tolerance = 7;
    return e;
}

// A GIF of the reference picture: 87a or 89a, rows in order or interlaced, perhaps with a
// transparent colour, its colours for the whole file or for the picture alone. Its codes are never
// packed (each pixel its own code, the table cleared before codes grow wider), which every decoder reads.
std::string gifFile(bool version89, bool interlaced, int transparent = -1, bool localColours = false) {
    std::string colours;
    for (const QRgb c : palette) colours += std::string{char(qRed(c)), char(qGreen(c)), char(qBlue(c))};
    std::string out = std::string(version89 ? "GIF89a" : "GIF87a") + le(refWidth, 2) + le(refHeight, 2) +
                      std::string(1, char(localColours ? 0 : 0xF3)) + std::string("\x00\x00", 2) + (localColours ? "" : colours);
    if (transparent >= 0) out += std::string("\x21\xF9\x04\x01\x00\x00", 6) + char(transparent) + '\0';
    out += "\x2C" + le(0, 4) + le(refWidth, 2) + le(refHeight, 2) + char((interlaced ? 0x40 : 0) | (localColours ? 0x83 : 0)) +
           (localColours ? colours : "") + "\x04";
    std::vector<int> rows;
    for (const auto& [first, step] : interlaced ? std::vector<std::pair<int, int>>{{0, 8}, {4, 8}, {2, 4}, {1, 2}}
                                               : std::vector<std::pair<int, int>>{{0, 1}})
        for (int y = first; y < refHeight; y += step) rows.push_back(y);
    std::vector<int> codes;
    for (const int y : rows)
        for (int x = 0; x < refWidth; ++x) {
            if (codes.size() % 13 == 0) codes.push_back(16);  // clear
            codes.push_back(indexAt(x, y, 16));
        }
    codes.push_back(17);  // end of data
    std::string data;
    std::uint32_t buffer = 0;
    int bits = 0;
    for (const int code : codes)
        for (buffer |= code << bits, bits += 5; bits >= 8; buffer >>= 8, bits -= 8) data += char(buffer);
    if (bits) data += char(buffer);
    for (std::size_t at = 0; at < data.size(); at += 255) out += char(std::min<std::size_t>(255, data.size() - at)) + data.substr(at, 255);
    return out + std::string("\x00\x3B", 2);
}

// A JPEG Qt writes of four flat quadrants, 32 x 32 (each a whole coding unit, so its colour
// survives compression), and what is to be seen in their middles.
Expected jpegCase(bool grey, bool progressive, const std::function<std::string(std::string)>& edit = {}) {
    const QRgb colours[4] = {grey ? 0x1E1E1E : 0xD02020u, grey ? 0x646464 : 0x20D020u, grey ? 0xAAAAAA : 0x2020D0u, 0xF0F0F0};
    QImage image(32, 32, QImage::Format_RGB32);
    for (int y = 0; y < 32; ++y)
        for (int x = 0; x < 32; ++x) image.setPixel(x, y, colours[y / 16 * 2 + x / 16]);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    EXPECT_TRUE(writer.write(grey ? image.convertToFormat(QImage::Format_Grayscale8) : image));
    const std::string frame = progressive ? "\xFF\xC2" : "\xFF\xC0";
    EXPECT_NE(bytes.toStdString().find(frame), std::string::npos) << "the JPEG is of the kind the case is about";
    Expected e{edit ? edit(bytes.toStdString()) : bytes.toStdString(), {32, 32}, {}, 12};
    for (int q = 0; q < 4; ++q) e.pixels.push_back({{q % 2 * 16 + 8, q / 2 * 16 + 8}, colours[q]});
    return e;
}
// Inserts bytes just after the start marker.
std::function<std::string(std::string)> afterStart(std::string extra) {
    return [extra](std::string bytes) { return bytes.insert(2, extra); };
}

// What loading a file gives, or the reason it is refused: its message must name the file.
std::string outcome(const std::string& path, const std::function<std::string()>& load) {
    try {
        return load();
    } catch (const RuntimeError& error) {
        const std::string prefix = "Cannot load picture \"" + path + "\": ", message = error.what();
        return message.starts_with(prefix) ? message.substr(prefix.size()) : "badly worded: " + message;
    }
}

// A BMP of the reference picture, or whatever `make` makes.
struct FormatCase {
    const char* file;
    Bmp bmp;
    std::function<Expected()> make = {};
    Expected expected() const { return make ? make() : bmpCase(bmp); }
};
void PrintTo(const FormatCase& c, std::ostream* os) { *os << c.file; }

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
    std::string width(const std::string& path) {
        return outcome(path, [&] { return std::to_string(runtime.loadPicture(path).width()); });
    }
};

class PictureFormatTest : public PictureLoadingTest, public ::testing::WithParamInterface<FormatCase> {};

TEST_P(PictureFormatTest, LoadsAndPaintsItsPixels) {
    const Expected expected = GetParam().expected();
    const std::string path = std::string("Images\\") + GetParam().file;
    write(std::string("Images/") + GetParam().file, expected.bytes);
    const Picture picture = runtime.loadPicture(path);
    ASSERT_EQ(QSize(picture.width(), picture.height()), expected.size);
    QImage painted(expected.size, QImage::Format_RGB32);
    painted.fill(Qt::black);
    QPainter(&painted).drawImage(0, 0, asQImage(picture));
    for (const auto& [point, rgb] : expected.pixels) {
        const QRgb seen = painted.pixel(point);
        const int off = std::max({std::abs(qRed(seen) - qRed(rgb)), std::abs(qGreen(seen) - qGreen(rgb)), std::abs(qBlue(seen) - qBlue(rgb))});
        EXPECT_LE(off, expected.tolerance) << "at " << point.x() << ", " << point.y() << ": " << std::hex << seen << " for " << rgb;
    }
}

TEST_P(PictureFormatTest, CutShortIsRefusedNamingTheFile) {
    const std::string bytes = GetParam().expected().bytes;
    write("Images/cut", bytes.substr(0, bytes.size() * 2 / 3));
    EXPECT_TRUE(width("Images\\cut").starts_with("the file is cut short (")) << width("Images\\cut");
}

const FormatCase formats[] = {
    {"core1.bmp", {.header = 12, .bits = 1}}, {"core4.bmp", {.header = 12, .bits = 4}}, {"core8.bmp", {.header = 12, .bits = 8}},
    {"core24.bmp", {.header = 12, .bits = 24}}, {"os2short8.bmp", {.header = 16, .bits = 8}}, {"os2short24.bmp", {.header = 16, .bits = 24}},
    {"os2full4.bmp", {.header = 64, .bits = 4}}, {"os2full24.bmp", {.header = 64, .bits = 24}}, {"info1.bmp", {.bits = 1}},
    {"info4.bmp", {.bits = 4}}, {"info8.bmp", {.bits = 8, .colours = 16}}, {"info8topdown.bmp", {.bits = 8, .topDown = true}},
    {"info16.bmp", {.bits = 16}}, {"info24.bmp", {.bits = 24}}, {"info24topdown.bmp", {.bits = 24, .topDown = true}}, {"info32.bmp", {.bits = 32}},
    {"rle8.bmp", {.bits = 8, .compression = 1}}, {"rle4.bmp", {.bits = 4, .compression = 2}},
    {"fields565.bmp", {.bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F, 0}}},
    {"fields32.bmp", {.bits = 32, .compression = 3, .masks = {0xFF00, 0xFF0000, 0xFF000000, 0}}},
    {"v2fields16.bmp", {.header = 52, .bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F, 0}}},
    {"v3alpha32.bmp", {.header = 56, .bits = 32, .compression = 3, .masks = {0xFF0000, 0xFF00, 0xFF, 0xFF000000}}},
    {"v3pal8.bmp", {.header = 56, .bits = 8}}, {"v4rgb555.bmp", {.header = 108, .bits = 16}},
    {"v4pal4.bmp", {.header = 108, .bits = 4, .topDown = true}},
    {"v5alpha32.bmp", {.header = 124, .bits = 32, .compression = 3, .masks = {0xFF00, 0xFF0000, 0xFF000000, 0xFF}}},
    {"v5rle8.bmp", {.header = 124, .bits = 8, .compression = 1}}, {"v5pal1.bmp", {.header = 124, .bits = 1}},
    // Pixels where the file header says, past a gap, for each header that the reader is handed padded.
    {"gapinfo24.bmp", {.bits = 24, .gap = 6}}, {"gapos2short8.bmp", {.header = 16, .bits = 8, .gap = 6}},
    {"gapv2fields16.bmp", {.header = 52, .bits = 16, .compression = 3, .masks = {0xF800, 0x07E0, 0x001F, 0}, .gap = 2}},
    {"gapv3pal4.bmp", {.header = 56, .bits = 4, .gap = 10}},
    {"plain87.gif", {}, [] { return reference(gifFile(false, false), 16); }}, {"interlaced87.gif", {}, [] { return reference(gifFile(false, true), 16); }},
    {"transparent89.gif", {}, [] { return reference(gifFile(true, false, 1), 16, 1); }},
    {"interlaced89.gif", {}, [] { return reference(gifFile(true, true), 16); }},
    {"localcolours89.gif", {}, [] { return reference(gifFile(true, true, -1, true), 16); }},
    {"baseline.jpg", {}, [] { return jpegCase(false, false); }}, {"progressive.jpg", {}, [] { return jpegCase(false, true); }},
    {"grey.jpg", {}, [] { return jpegCase(true, false); }}, {"greyprogressive.jpg", {}, [] { return jpegCase(true, true); }},
    // Fill bytes, markers without a segment and an embedded thumbnail's markers before the frame.
    {"markers.jpg", {}, [] { return jpegCase(false, false, afterStart(std::string("\xFF\xFF\xFF\xD0\xFF\x01\xFF\xE1\x00\x06\xFF\xD8\xFF\xD9", 14))); }},
    // An orientation tag saying "turn a quarter": the pixels are shown as stored, at the size the header gives.
    {"exifturned.jpg", {}, [] { return jpegCase(false, false, afterStart(std::string("\xFF\xE1\x00\x22" "Exif\x00\x00" "II\x2A\x00\x08\x00\x00\x00"
                                                                                    "\x01\x00" "\x12\x01\x03\x00\x01\x00\x00\x00\x06\x00\x00\x00"
                                                                                    "\x00\x00\x00\x00", 36))); }},
    {"markersprogressive.jpg", {}, [] { return jpegCase(false, true, afterStart(std::string("\xFF\xFE\x00\x05" "abc\xFF\xFF\xD7", 10))); }},
};
INSTANTIATE_TEST_SUITE_P(Formats, PictureFormatTest, ::testing::ValuesIn(formats), [](const auto& info) {
    std::string name = info.param.file;
    std::replace(name.begin(), name.end(), '.', '_');
    return name;
});

std::string segment(int marker, const std::string& body) { return "\xFF" + std::string(1, char(marker)) + be16(body.size() + 2) + body; }
// A JPEG: start marker, some segments, a frame header of the given kind and size, the end marker.
std::string jpeg(const std::string& before, int frame, int width, int height, const std::string& end = "\xFF\xD9") {
    return "\xFF\xD8" + before + segment(frame, "\x08" + be16(height) + be16(width) + std::string("\x01\x01\x11\x00", 4)) + end;
}
// A GIF header claiming a size and no picture.
std::string gif(int width, int height) { return "GIF89a" + le(width, 2) + le(height, 2) + std::string("\0\0\0\x3B", 4); }

// What a picture file's header says, or why it is refused. The bytes are copied to a buffer of
// exactly their length, so that AddressSanitizer sees a read one past the end.
std::string verdict(const std::string& bytes, std::size_t length = std::string::npos) {
    const std::vector<std::uint8_t> exact(bytes.begin(), bytes.begin() + std::min(length, bytes.size()));
    return outcome("Images\\x", [&] {
        const PictureHeader h = checkPictureFile(exact, "Images\\x");
        return std::to_string(static_cast<int>(h.format)) + ": " + std::to_string(h.width) + " x " + std::to_string(h.height);
    });
}

TEST(PictureFileTest, HeadersAreReadAndBadFilesRefusedWithTheReason) {
    const std::string jfif = segment(0xE0, "JFIF") + segment(0xE1, "") + "\xFF" + segment(0xC4, "ab") + segment(0xC8, "cd") +
                             segment(0xCC, "ef") + segment(0xB0, "gh") + segment(0xDB, std::string(9, '\x01'));
    const std::string cut = "the file is cut short ", noFrame = "the JPEG has no readable frame header (malformed or cut short)";
    const std::string bmp24 = bmpFile({}), rle4 = bmpFile({.bits = 4, .compression = 2});
    const std::string absurd = "absurd dimensions ", atMost = " pixels (a picture may be at most 16384 pixels on a side and 8388608 in all)";
    const std::pair<std::string, std::string> cases[] = {
        {jpeg(jfif, 0xC0, 300, 513), "0: 300 x 513"},
        {jpeg("", 0xC2, 17, 9) + std::string(4, '\0'), "0: 17 x 9"},
        {jpeg("\xFF\xD3\xFF\x01", 0xCF, 1, 2), "0: 1 x 2"},
        // A second start or an early end stops the walk, though what follows would read as a segment's length.
        {jpeg(segment(0xDA, "scan"), 0xC0, 1, 1), noFrame}, {jpeg(std::string("\xFF\xD8\x00\x02", 4), 0xC0, 1, 1), noFrame},
        {jpeg(std::string("\xFF\xD9\x00\x02", 4), 0xC0, 1, 1), noFrame},
        {jpeg(std::string("\xFF\xE0\x00\x01", 4), 0xC0, 1, 1), noFrame}, {jpeg("", 0xC0, 1, 1).substr(0, 10), noFrame},
        {std::string("\xFF\xD8\xFF\xC0\x00\x07\x08\x00\x01\x00\x01\x01\xFF\xD9", 14), noFrame},  // a frame header too short for its fields
        {jpeg("", 0xC0, 1, 1, "\xD9\xFF"), cut + "(the JPEG has no end marker)"},
        {jpeg("", 0xC0, 3, 2).substr(0, 11), cut + "(the JPEG has no end marker)"},
        {std::string("\xFF\xD8\x00\xC0", 4) + "\xFF\xD9", "it is not a JPEG, GIF or BMP picture"},
        {gif(300, 513) + std::string(5, '\0'), "1: 300 x 513"},
        {gifFile(true, true).substr(0, 12), cut + "(incomplete GIF header)"},
        {gifFile(true, false, 1).substr(0, 13 + 48 + 5), cut + "(the GIF has no end marker)"},
        {[] { std::string g = gifFile(false, false); return g.erase(g.size() - 2, 1); }(), cut + "(the GIF has no end marker)"},  // its data never ends
        {gifFile(false, false).substr(0, gifFile(false, false).size() - 1), cut + "(the GIF has no end marker)"},  // every block whole
        {gif(16384, 512), "1: 16384 x 512"}, {gif(1, 16385), absurd + "1 x 16385" + atMost}, {gif(16384, 513), absurd + "16384 x 513" + atMost},
        {gif(4097, 2048), absurd + "4097 x 2048" + atMost}, {gif(0, 10), "the picture has no size"},
        {bmpFile({}, le(40, 4) + le(300, 4) + le(-2, 4)), cut + "(the BMP pixel data is incomplete)"},
        {bmpFile({}, le(40, 4) + le(16384, 4) + le(1, 4)), cut + "(the BMP pixel data is incomplete)"},  // the widest checked too
        {bmp24.substr(0, bmp24.size() - 1), cut + "(the BMP pixel data is incomplete)"}, {bmp24 + "trailing", "2: 7 x 10"},
        {rle4.substr(0, rle4.size() - 2), cut + "(the BMP pixel data is incomplete)"},
        {rle4.substr(0, rle4.size() - 2) + std::string("\x00\x02\x00\x01", 4), "2: 7 x 10"},  // moved up past the last row
        {bmpFile({.bits = 8}).substr(0, 54 + 1000), cut + "(the BMP palette is incomplete)"},
        {bmpFile({.bits = 8}).substr(0, 54 + 1024), cut + "(the BMP pixel data is incomplete)"},  // the palette whole
        {bmpFile({.header = 124}).substr(0, 137), cut + "(incomplete BMP header)"}, {"BM" + std::string(15, '\0'), cut + "(incomplete BMP header)"},
        {bmpFile({}, le(20, 4)), "unsupported BMP header (20 bytes)"},
        {bmpFile({.header = 12}, le(12, 4) + le(0, 2)), "the BMP header gives no valid size"},
        {bmpFile({}, le(40, 4) + le(-7, 4)), "the BMP header gives no valid size"},
        {bmpFile({}, le(40, 4) + le(7, 4) + le(INT32_MIN, 4)), "the BMP header gives no valid size"},
        {bmpFile({}, le(40, 4) + le(7, 4) + le(10, 4) + le(2, 2)), "the BMP header is malformed (2 colour planes)"},
        {bmpFile({}, le(40, 4) + le(7, 4) + le(10, 4) + le(1, 2) + le(2, 2)), "unsupported BMP pixel format (2 bits per pixel, compression 0)"},
        {bmpFile({}, le(40, 4) + le(7, 4) + le(10, 4) + le(1, 2) + le(24, 2) + le(1, 4)), "unsupported BMP pixel format (24 bits per pixel, compression 1)"},
        {bmpFile({.header = 64, .bits = 1, .compression = 3}), "unsupported BMP pixel format (1 bits per pixel, compression 3)"},  // OS/2's Huffman coding
        {bmpFile({.bits = 8, .colours = 257}), "the BMP palette is malformed (257 colours)"},
        {bmpFile({.header = 12}, le(12, 4) + le(40000, 2)), absurd + "40000 x 10" + atMost},
        {bmpFile({.bits = 8, .compression = 1}, le(40, 4) + le(16384, 4) + le(16384, 4)), absurd + "16384 x 16384" + atMost},
        {"this is not a picture", "it is not a JPEG, GIF or BMP picture"}, {"", "the file is empty"},
        // The smallest of each: too short to be recognised, or recognised and then cut short.
        {"GIF89", "it is not a JPEG, GIF or BMP picture"}, {"GIF89a", cut + "(incomplete GIF header)"},
        {gif(1, 1).substr(0, 13), cut + "(the GIF has no end marker)"}, {"BM", cut + "(incomplete BMP header)"},
        {"BM" + std::string(16, '\0'), "unsupported BMP header (0 bytes)"}, {std::string("\xFF\xD8\xFF", 3), noFrame},
        {std::string("\xFF\xD8\xFF\xE0\x00", 5), noFrame}, {bmpFile({.header = 12}).substr(0, 26), cut + "(the BMP pixel data is incomplete)"},
        {std::string("\xFF\xD8\xFF\xC0\x00\x08\x08\x00\x01\x00\x01\x01\xFF\xD9", 14), "0: 1 x 1"},  // a frame header of just its fields
        {gif(1, 1), "1: 1 x 1"}, {gif(10, 0), "the picture has no size"}, {gif(1, 16384), "1: 1 x 16384"},
        {bmpFile({}, le(40, 4) + le(1, 4) + le(1, 4)), "2: 1 x 1"}, {bmpFile({}, le(40, 4) + le(1, 4) + le(-1, 4)), "2: 1 x 1"},
        {bmpFile({}, le(40, 4) + le(0, 4)), "the BMP header gives no valid size"},
        {bmpFile({}, le(40, 4) + le(7, 4) + le(0, 4)), "the BMP header gives no valid size"},
        {bmpFile({}, le(40, 4) + le(1, 4) + le(16384, 4)), cut + "(the BMP pixel data is incomplete)"},  // the tallest checked too
        {bmpFile({.bits = 8, .colours = 256}), "2: 7 x 10"},
        // The pixels start where the file header says, beyond the palette: there they are cut short.
        {[] { std::string f = bmpFile({.bits = 8}); return f.replace(10, 4, le(14 + 40 + 1024 + 100, 4)); }(), cut + "(the BMP pixel data is incomplete)"},
    };
    for (const auto& [bytes, expected] : cases) EXPECT_EQ(verdict(bytes), expected) << ::testing::PrintToString(bytes);
    EXPECT_EQ(verdict("\xFF\xD8\xFF", 2), "it is not a JPEG, GIF or BMP picture") << "two bytes are no JPEG";
}

TEST(PictureFileTest, PicturePixelsMustMatchTheirSize) {
    EXPECT_THROW(Picture(2, 2, std::vector<std::uint32_t>(3), ""), std::invalid_argument);
    EXPECT_THROW(Picture(0, 1, {}, ""), std::invalid_argument);
    EXPECT_THROW(Picture(1, 0, {}, ""), std::invalid_argument);
    using Pixels = std::shared_ptr<const std::uint32_t>;
    const Pixels pixel = std::make_shared<const std::uint32_t>(0xff000000u);
    EXPECT_NO_THROW(Picture(1, 1, pixel, true, ""));
    for (const auto& [width, height, pixels] : std::initializer_list<std::tuple<int, int, Pixels>>{{1, 1, nullptr}, {1, 0, pixel}, {0, 1, pixel}})
        EXPECT_THROW(Picture(width, height, pixels, true, ""), std::invalid_argument) << width << " x " << height;
}

TEST_F(PictureLoadingTest, PathsResolveInsideTheProgramFolderRegardlessOfCase) {
    const std::string jpeg = jpegCase(false, false).bytes;
    write("Images/exit.jpg", jpeg);
    write("Images/Two.bmp", bmpFile({.bits = 24}));
    write("Images/two.bmp", bmpFile({.header = 12, .bits = 1}, le(12, 4) + le(3, 2)));
    std::string garbled = jpeg;
    std::fill(garbled.begin() + 200, garbled.end() - 2, '\xFF');
    write("Images/garbled.jpg", garbled);
    const fs::path outside = folder.string() + "-outside.jpg";
    write("../" + outside.filename().string(), jpeg);
    fs::create_symlink(outside, folder / "Images" / "link.jpg");
    // Sparse, so nothing is written: a picture at the limit of 64 MiB with nothing after its end, and one a byte over.
    for (const auto& [name, bytes] : {std::pair{"limit.jpg", maxPictureFileBytes}, {"huge.jpg", maxPictureFileBytes + 1}}) {
        std::ofstream(folder / "Images" / name) << jpeg;
        fs::resize_file(folder / "Images" / name, bytes);
    }
    write("Images/absurd.gif", gif(16000, 16000));
    const std::string absolute = "absolute paths are not allowed; pictures live in the program's folder";

    const std::pair<std::string, std::string> cases[] = {
        {"Images\\exit.jpg", "32"}, {"images\\EXIT.JPG", "32"}, {"IMAGES/Exit.Jpg", "32"}, {".\\Images\\\\exit.jpg", "32"},
        {"Images\\Two.bmp", "7"}, {"Images\\two.bmp", "3"},
        {"\\etc\\passwd", absolute}, {"/etc/passwd", absolute}, {"C:\\exit.jpg", absolute}, {"C:", absolute},
        {"Images\\..\\..\\x.jpg", "the path climbs out of the program's folder"},
        {"Images\\link.jpg", "the path leads out of the program's folder"},
        {"Images\\dir.jpg", "it is not a file"},
        {"Images\\missing.jpg", "the file does not exist"},
        {"Pictures\\exit.jpg", "the folder \"Pictures\" does not exist"},
        {"Images\\limit.jpg", "32"}, {"Images\\huge.jpg", "the file is too large"},
        {"Images\\garbled.jpg", "it is malformed (Unable to read image data)"},
        {"Images\\absurd.gif", "absurd dimensions 16000 x 16000 pixels (a picture may be at most 16384 pixels on a side and 8388608 in all)"},
    };
    for (const auto& [path, expected] : cases) EXPECT_EQ(width(path), expected) << path;
    EXPECT_TRUE(runtime.loadPicture("").isEmpty());
    EXPECT_EQ(runtime.loadPicture("Images\\Two.bmp").sourcePath(), "Images\\Two.bmp");
}

// Every input that ever crashed, hung or ran away with memory in the picture fuzzer
// (scripts/fuzz.sh), through the same path: a picture painted, or a refusal naming the file.
TEST_F(PictureLoadingTest, FuzzFindingsAreRefusedOrPaintedNeverCrash) {
    platform.folder = LUMENARY_FUZZ_FINDINGS;
    int findings = 0;
    for (const auto& entry : fs::directory_iterator(platform.folder)) {
        const std::string name = entry.path().filename().string();
        SCOPED_TRACE(name);
        ++findings;
        try {
            const Picture picture = runtime.loadPicture(name);
            EXPECT_LE(std::int64_t(picture.width()) * picture.height(), maxPicturePixels);
            QImage window(320, 240, QImage::Format_RGB32);
            QPainter painter(&window);
            painter.setRenderHint(QPainter::SmoothPixmapTransform);
            painter.drawImage(QRectF(3, 5, picture.width() * 1.8, picture.height() * 1.8), asQImage(picture));
        } catch (const RuntimeError& error) {
            EXPECT_TRUE(std::string(error.what()).starts_with("Cannot load picture \"" + name + "\": ")) << error.what();
        }
    }
    EXPECT_GT(findings, 0);
}

using PictureCache = ScreenTest;

// A picture a shown screen holds is not decoded again for another; one no screen holds any
// more is freed, and read again when it is next shown. A file a teacher replaced meanwhile is
// read afresh, and a broken replacement is reported, not hidden by the cache.
TEST_F(PictureCache, ACachedPictureIsTheSamePictureAndAReplacedFileIsReadAgain) {
    ProgramFolderCopy copy;
    platform.folder = copy.path();
    const Picture::Weak dropped(LoadPicture("Images\\logo2.jpg"));
    EXPECT_TRUE(dropped.expired()) << "the cache keeps no picture alive";
    EXPECT_EQ(LoadPicture("Images\\logo2.jpg").width(), 100);
    const Picture first = LoadPicture("Images\\exit.jpg");
    EXPECT_TRUE(LoadPicture("Images\\exit.jpg") == first) << "not decoded again";
    EXPECT_EQ(first.width(), 119);

    const auto exit = copy.path() / "Images" / "exit.jpg";
    std::filesystem::copy_file(copy.path() / "Images" / "phases0.jpg", exit, std::filesystem::copy_options::overwrite_existing);
    const Picture replaced = LoadPicture("Images\\exit.jpg");
    EXPECT_FALSE(replaced == first);
    EXPECT_EQ(replaced.width(), 154);

    std::ofstream(exit, std::ios::trunc) << "\xFF\xD8\xFF broken";
    EXPECT_THROW(LoadPicture("Images\\exit.jpg"), RuntimeError);
}

}  // namespace
}  // namespace lumenary::testing
