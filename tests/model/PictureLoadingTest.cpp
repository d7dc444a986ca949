#include "ScreenTest.h"

#include <QBuffer>
#include <QImage>

#include <filesystem>
#include <fstream>
#include <random>

namespace lumenary::testing {
namespace {

namespace fs = std::filesystem;

std::string encoded(const char* format, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(QColor(200, 40, 40));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

// A complete 1 x 1 GIF of one red pixel (Qt writes no GIF).
const std::string redPixelGif("GIF89a\x01\x00\x01\x00\x80\x00\x00\xC8\x28\x28\x00\x00\x00"
                              "\x2C\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02\x44\x01\x00\x3B", 35);

// A GIF header claiming the given size, with an end marker so that only its size is wrong.
std::string gifClaiming(int width, int height) {
    std::string gif = "GIF89a";
    gif += static_cast<char>(width & 0xFF), gif += static_cast<char>(width >> 8);
    gif += static_cast<char>(height & 0xFF), gif += static_cast<char>(height >> 8);
    gif += std::string("\x00\x00\x00", 3);
    gif += '\x3B';
    return gif;
}

class PictureLoadingTest : public ScreenTest {
protected:
    fs::path folder = fs::temp_directory_path() / ("lumenary-pictures-" + std::to_string(std::random_device{}()));

    PictureLoadingTest() {
        fs::create_directories(folder / "Images");
        platform.folder = folder;
    }
    ~PictureLoadingTest() override { fs::remove_all(folder); }

    void write(const std::string& relative, const std::string& bytes) {
        std::ofstream(folder / relative, std::ios::binary) << bytes;
    }
    // The error loading `path` raises; empty when it loads.
    std::string errorLoading(const std::string& path) {
        try {
            runtime.loadPicture(path);
        } catch (const RuntimeError& error) {
            return error.what();
        }
        return {};
    }
};

TEST_F(PictureLoadingTest, EachPathElementMatchesRegardlessOfCase) {
    write("Images/exit.jpg", encoded("JPEG", 119, 33));
    const Picture upper = runtime.loadPicture("Images\\exit.jpg");
    const Picture lower = runtime.loadPicture("images\\EXIT.JPG");
    const Picture slashes = runtime.loadPicture("IMAGES/Exit.Jpg");
    EXPECT_EQ(upper.width(), 119);
    EXPECT_EQ(upper.height(), 33);
    EXPECT_EQ(lower.width(), 119);
    EXPECT_EQ(slashes.height(), 33);
}

TEST_F(PictureLoadingTest, JpegGifAndBmpDecodeToTheirPixels) {
    write("Images/a.jpg", encoded("JPEG", 20, 10));
    write("Images/b.gif", redPixelGif);
    write("Images/c.bmp", encoded("BMP", 20, 10));
    for (const char* path : {"Images\\a.jpg", "Images\\b.gif", "Images\\c.bmp"}) {
        const Picture picture = runtime.loadPicture(path);
        ASSERT_FALSE(picture.isEmpty()) << path;
        const QColor centre = QColor::fromRgb(picture.pixel(picture.width() / 2, picture.height() / 2));
        EXPECT_NEAR(centre.red(), 200, 12) << path;
        EXPECT_NEAR(centre.green(), 40, 12) << path;
    }
}

TEST_F(PictureLoadingTest, TheEmptyPathGivesNoPicture) {
    EXPECT_TRUE(runtime.loadPicture("").isEmpty());
}

TEST_F(PictureLoadingTest, PathsOutsideTheProgramFolderAreRefused) {
    const fs::path outside = folder.parent_path() / (folder.filename().string() + "-outside.jpg");
    std::ofstream(outside, std::ios::binary) << encoded("JPEG", 4, 4);
    fs::create_symlink(outside, folder / "Images" / "link.jpg");

    EXPECT_NE(errorLoading("\\etc\\passwd").find("absolute"), std::string::npos);
    EXPECT_NE(errorLoading("/etc/passwd").find("absolute"), std::string::npos);
    EXPECT_NE(errorLoading("C:\\Images\\exit.jpg").find("absolute"), std::string::npos);
    EXPECT_NE(errorLoading("..\\" + outside.filename().string()).find("climbs out"), std::string::npos);
    EXPECT_NE(errorLoading("Images\\..\\..\\x.jpg").find("climbs out"), std::string::npos);
    EXPECT_NE(errorLoading("Images\\link.jpg").find("out of the program's folder"), std::string::npos);
    fs::remove(outside);
}

TEST_F(PictureLoadingTest, BadFilesAreReportedNamingTheFileAndTheReason) {
    const std::string jpeg = encoded("JPEG", 64, 64);
    const std::string& gif = redPixelGif;
    const std::string bmp = encoded("BMP", 64, 64);
    std::string garbledJpeg = jpeg;
    for (std::size_t i = 200; i < garbledJpeg.size() - 2; ++i) garbledJpeg[i] = static_cast<char>(0xFF);
    std::string hugeBmp = bmp;
    hugeBmp[18] = '\x00', hugeBmp[19] = '\x00', hugeBmp[20] = '\x10', hugeBmp[21] = '\x00';  // 1 048 576 wide

    struct Case {
        const char* file;
        std::string bytes;
        const char* reason;
    };
    const Case cases[] = {
        {"empty.jpg",       "",                              "empty"},
        {"cut.jpg",         jpeg.substr(0, jpeg.size() / 2), "cut short"},
        {"cut.gif",         gif.substr(0, gif.size() - 1),   "cut short"},
        {"cut.bmp",         bmp.substr(0, bmp.size() / 2),   "cut short"},
        {"header.jpg",      jpeg.substr(0, 3),               "frame header"},
        {"garbled.jpg",     garbledJpeg,                     "malformed"},
        {"text.jpg",        "this is not a picture",         "not a JPEG, GIF or BMP"},
        {"bomb.gif",        gifClaiming(65535, 65535),       "absurd dimensions"},
        {"wide.bmp",        hugeBmp,                         "absurd dimensions"},
        {"zero.gif",        gifClaiming(0, 10),              "no size"},
    };
    for (const Case& c : cases) {
        write(std::string("Images/") + c.file, c.bytes);
        const std::string path = std::string("Images\\") + c.file;
        const std::string error = errorLoading(path);
        EXPECT_NE(error.find("\"" + path + "\""), std::string::npos) << c.file << ": " << error;
        EXPECT_NE(error.find(c.reason), std::string::npos) << c.file << ": " << error;
    }
    std::ofstream(folder / "Images" / "huge.jpg") << jpeg;
    fs::resize_file(folder / "Images" / "huge.jpg", 65 * 1024 * 1024);  // sparse: nothing is written
    EXPECT_NE(errorLoading("Images\\huge.jpg").find("too large"), std::string::npos);
    EXPECT_NE(errorLoading("Images\\missing.jpg").find("does not exist"), std::string::npos);
    EXPECT_NE(errorLoading("Pictures\\exit.jpg").find("folder \"Pictures\" does not exist"), std::string::npos);
}

}  // namespace
}  // namespace lumenary::testing
