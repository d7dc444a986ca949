#include "ScreenTest.h"
#include "runtime/PictureFile.h"
#include "qt/pictures/QtPictureDecoder.h"

#include <QBuffer>
#include <QImage>

#include <climits>
#include <fstream>
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

// A GIF header claiming a size, `pad` bytes of the rest of the header, and the end marker.
std::string gif(int width, int height, int pad = 3) { return "GIF89a" + le(width, 2) + le(height, 2) + std::string(pad, '\0') + "\x3B"; }
// A BMP with a 40-byte info header (or as claimed) and `data` bytes of pixels after it.
std::string bmp(int width, std::int64_t height, int bits, int data, int compression = 0, int infoSize = 40) {
    return "BM" + le(54 + data, 4) + le(0, 4) + le(54, 4) + le(infoSize, 4) + le(width, 4) + le(height, 4) + le(1, 2) +
           le(bits, 2) + le(compression, 4) + std::string(20 + data, '\0');
}
std::string segment(int marker, const std::string& body) { return "\xFF" + std::string(1, char(marker)) + be16(body.size() + 2) + body; }
// A JPEG: start marker, some segments, a frame header of the given kind and size, the end marker.
std::string jpeg(const std::string& before, int frame, int width, int height, const std::string& end = "\xFF\xD9") {
    return "\xFF\xD8" + before + segment(frame, "\x08" + be16(height) + be16(width) + std::string("\x01\x01\x11\x00", 4)) + end;
}

// What a picture file's header says, or why it is refused.
std::string verdict(const std::string& bytes, std::size_t length = std::string::npos) {
    try {
        const PictureHeader h = checkPictureFile({reinterpret_cast<const std::uint8_t*>(bytes.data()), std::min(length, bytes.size())}, "Images\\x");
        return std::to_string(static_cast<int>(h.format)) + ": " + std::to_string(h.width) + " x " + std::to_string(h.height);
    } catch (const RuntimeError& error) {
        const std::string message = error.what();
        const std::string prefix = "Cannot load picture \"Images\\x\": ";
        return message.starts_with(prefix) ? message.substr(prefix.size()) : "badly worded: " + message;
    }
}

TEST(PictureFileTest, HeadersAreReadAndBadFilesRefusedWithTheReason) {
    const std::string jfif = segment(0xE0, "JFIF") + segment(0xE1, "") + "\xFF" + segment(0xC4, "ab") + segment(0xC8, "cd") +
                             segment(0xCC, "ef") + segment(0xB0, "gh") + segment(0xDB, std::string(9, '\x01'));
    const std::string cut = "the file is cut short ";
    const std::pair<std::string, std::string> cases[] = {
        {jpeg(jfif, 0xC0, 300, 513), "0: 300 x 513"},
        {jpeg("", 0xC2, 17, 9) + std::string(4, '\0'), "0: 17 x 9"},
        {jpeg("", 0xCF, 1, 2), "0: 1 x 2"},
        {jpeg(segment(0xDA, "scan"), 0xC0, 1, 1), "the JPEG has no readable frame header (malformed or cut short)"},
        {jpeg(std::string("\xFF\xE0\x00\x01", 4), 0xC0, 1, 1), "the JPEG has no readable frame header (malformed or cut short)"},
        {jpeg("", 0xC0, 1, 1).substr(0, 10), "the JPEG has no readable frame header (malformed or cut short)"},
        {jpeg("", 0xC0, 1, 1, "\xD9\xFF"), cut + "(the JPEG has no end marker)"},
        {jpeg("", 0xC0, 3, 2).substr(0, 11), cut + "(the JPEG has no end marker)"},  // ends just after its size
        {std::string("\xFF\xD8\x00\xC0", 4) + "\xFF\xD9", "it is not a JPEG, GIF or BMP picture"},
        {gif(300, 513) + std::string(5, '\0'), "1: 300 x 513"},
        {gif(1, 1, 2), "1: 1 x 1"},
        {gif(1, 1, 1), cut + "(incomplete GIF header)"},
        {"GIF89a", cut + "(incomplete GIF header)"},
        {gif(1, 1).substr(0, 13), cut + "(the GIF has no end marker)"},
        {bmp(3, 2, 24, 24), "2: 3 x 2"},
        {bmp(300, -2, 8, 600), "2: 300 x 2"},
        {bmp(3, 2, 24, 23), cut + "(the BMP pixel data is incomplete)"},
        {bmp(4, 2, 32, 31, 3), cut + "(the BMP pixel data is incomplete)"},
        {bmp(16384, 1, 8, 10), cut + "(the BMP pixel data is incomplete)"},
        {bmp(4, 2, 8, 1, 1), "2: 4 x 2"},
        {bmp(3, 2, 0, 0).substr(0, 34), "2: 3 x 2"},
        {bmp(3, 2, 24, 24, 0, 12), "unsupported BMP header"},
        {bmp(3, 2, 24, 24).substr(0, 29), cut + "(incomplete BMP header)"},
        {"BM", cut + "(incomplete BMP header)"},
        {bmp(3, 2, 24, 24).substr(0, 33), cut + "(incomplete BMP header)"},
        {bmp(0, 2, 24, 0), "the BMP header gives no valid size"},
        {bmp(3, 0, 24, 0), "the BMP header gives no valid size"},
        {bmp(3, INT32_MIN, 24, 0), "the BMP header gives no valid size"},
        {bmp(70000, 1, 24, 0), "absurd dimensions 70000 x 1 pixels (a picture may be at most 16384 pixels on a side)"},
        {gif(16384, 2441), "1: 16384 x 2441"},
        {gif(1, 16385), "absurd dimensions 1 x 16385 pixels (a picture may be at most 16384 pixels on a side)"},
        {gif(8000, 8000), "absurd dimensions 8000 x 8000 pixels (a picture may be at most 16384 pixels on a side)"},
        {gif(0, 10), "the picture has no size"},
        {"this is not a picture", "it is not a JPEG, GIF or BMP picture"},
        {"XMas card", "it is not a JPEG, GIF or BMP picture"},
        {"", "the file is empty"},
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

std::string encoded(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

class PictureLoadingTest : public ScreenTest {
protected:
    fs::path folder = fs::temp_directory_path() / ("lumenary-pictures-" + std::to_string(std::random_device{}()));

    PictureLoadingTest() {
        fs::create_directories(folder / "Images" / "dir.jpg");
        platform.folder = folder;
    }
    ~PictureLoadingTest() override {
        fs::remove_all(folder);
        fs::remove(folder.string() + "-outside.jpg");
    }
    void write(const std::string& relative, const std::string& bytes) { std::ofstream(folder / relative, std::ios::binary) << bytes; }
};

TEST_F(PictureLoadingTest, PathsResolveInsideTheProgramFolderRegardlessOfCaseAndPicturesDecodeToTheirPixels) {
    QImage small(3, 3, QImage::Format_RGB32), wide(119, 33, QImage::Format_RGB32), rows(20, 10, QImage::Format_RGB32);
    small.fill(Qt::white), wide.fill(QColor(200, 40, 40));
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) rows.setPixel(x, y, qRgb(x * 12, y * 25, 7));
    write("Images/exit.jpg", encoded(wide, "JPEG"));
    write("Images/Two.bmp", encoded(rows, "BMP"));
    write("Images/two.bmp", encoded(small, "BMP"));
    // One red pixel (Qt writes no GIF).
    write("Images/red.gif", std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xC8\x28\x28\x00\x00\x00"
                                        "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3B", 35));
    std::string garbled = encoded(wide, "JPEG");
    std::fill(garbled.begin() + 200, garbled.end() - 2, '\xFF');
    write("Images/garbled.jpg", garbled);
    write("Images/cut.jpg", garbled.substr(0, garbled.size() / 2));
    QImage grey(8, 8, QImage::Format_Grayscale8);
    grey.fill(150);
    write("Images/grey.jpg", encoded(grey, "JPEG"));
    const fs::path outside = folder.string() + "-outside.jpg";
    write("../" + outside.filename().string(), encoded(small, "JPEG"));
    fs::create_symlink(outside, folder / "Images" / "link.jpg");
    std::ofstream(folder / "Images" / "huge.jpg") << encoded(small, "JPEG");
    fs::resize_file(folder / "Images" / "huge.jpg", 65 * 1024 * 1024);  // sparse: nothing is written

    const std::pair<std::string, std::string> cases[] = {
        {"Images\\exit.jpg", "119"}, {"images\\EXIT.JPG", "119"}, {"IMAGES/Exit.Jpg", "119"}, {".\\Images\\\\exit.jpg", "119"},
        {"Images\\Two.bmp", "20"}, {"Images\\two.bmp", "3"}, {"Images\\red.gif", "1"},
        {"\\etc\\passwd", "absolute paths are not allowed; pictures live in the program's folder"},
        {"/etc/passwd", "absolute paths are not allowed; pictures live in the program's folder"},
        {"C:\\exit.jpg", "absolute paths are not allowed; pictures live in the program's folder"},
        {"C:", "absolute paths are not allowed; pictures live in the program's folder"},
        {"Images\\..\\..\\x.jpg", "the path climbs out of the program's folder"},
        {"Images\\link.jpg", "the path leads out of the program's folder"},
        {"Images\\dir.jpg", "it is not a file"},
        {"Images\\missing.jpg", "the file does not exist"},
        {"Pictures\\exit.jpg", "the folder \"Pictures\" does not exist"},
        {"Images\\huge.jpg", "the file is too large"},
        {"Images\\garbled.jpg", "it is malformed (Unable to read image data)"},
        {"Images\\cut.jpg", "the file is cut short (the JPEG has no end marker)"},
    };
    for (const auto& [path, expected] : cases) {
        try {
            EXPECT_EQ(std::to_string(runtime.loadPicture(path).width()), expected) << path;
        } catch (const RuntimeError& error) {
            EXPECT_EQ(error.what(), "Cannot load picture \"" + path + "\": " + expected);
        }
    }
    EXPECT_TRUE(runtime.loadPicture("").isEmpty());
    const Picture bmp = runtime.loadPicture("Images\\Two.bmp"), jpeg = runtime.loadPicture("Images\\exit.jpg");
    for (const QPoint p : {QPoint(0, 0), QPoint(19, 0), QPoint(7, 9), QPoint(19, 9)}) EXPECT_EQ(bmp.pixel(p.x(), p.y()), rows.pixel(p)) << p.x();
    EXPECT_EQ(bmp.sourcePath(), "Images\\Two.bmp");
    EXPECT_NEAR(QColor::fromRgb(runtime.loadPicture("Images\\grey.jpg").pixel(7, 7)).green(), 150, 3) << "a grey JPEG";
    for (const QColor c : {QColor::fromRgb(jpeg.pixel(60, 16)), QColor::fromRgb(runtime.loadPicture("Images\\red.gif").pixel(0, 0))})
        EXPECT_TRUE(std::abs(c.red() - 200) < 12 && std::abs(c.green() - 40) < 12) << c.name().toStdString();
    const std::string png = encoded(rows, "PNG");  // the program's icon, the one PNG it reads
    EXPECT_EQ(decodePictureWithQt({reinterpret_cast<const std::uint8_t*>(png.data()), png.size()}, "png", "icon").pixel(19, 9), rows.pixel(19, 9));
    fs::remove(outside);
}

}  // namespace
}  // namespace lumenary::testing
