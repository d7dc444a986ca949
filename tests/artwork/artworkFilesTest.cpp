#include "artworkCatalogue.h"
#include "runtime/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>

namespace lumenary::artwork {
namespace {

// The picture files the program opens, in the folders and at the sizes its screens expect.
struct ExpectedPicture {
    const char* path;
    int width;
    int height;
    const char* format;
};

constexpr ExpectedPicture expectedPictures[] = {
    {"opening/tessil00.gif",  316, 236, "gif"},
    {"Images/exit.jpg",       119,  33, "jpeg"},
    {"Images/next.jpg",       119,  33, "jpeg"},
    {"Images/answer.jpg",     119,  33, "jpeg"},
    {"Images/check.jpg",      119,  33, "jpeg"},
    {"Images/jotter.jpg",     119,  33, "jpeg"},
    {"Images/scramble.jpg",   119,  33, "jpeg"},
    {"Images/tessil3.jpg",    800, 600, "jpeg"},
    {"Images/logo2.jpg",      100, 139, "jpeg"},
    {"Images/phases0.jpg",    154, 117, "jpeg"},
    {"Images/phases1.jpg",    154, 117, "jpeg"},
    {"Images/phases2.jpg",    154, 117, "jpeg"},
    {"Images/phases3.jpg",    154, 117, "jpeg"},
    {"Images/phases4.jpg",    154, 117, "jpeg"},
    {"Images/phases5.jpg",    154, 117, "jpeg"},
    {"Images/phases6.jpg",    154, 117, "jpeg"},
    {"Images/phases7.jpg",    154, 117, "jpeg"},
    {"Images/jupitersm.jpg",  164, 149, "jpeg"},
    {"Images/mercurysm2.jpg",  49,  48, "jpeg"},
    {"Images/venussm.jpg",     74,  71, "jpeg"},
    {"Images/earthsm.jpg",     75,  77, "jpeg"},
    {"Images/saturn.jpg",     268, 193, "jpeg"},
    {"Images/marssm.jpg",      52,  50, "jpeg"},
    {"Images/uranus.jpg",     110, 106, "jpeg"},
    {"Images/neptune.jpg",    110, 108, "jpeg"},
    {"Images/pluto.jpg",       42,  41, "jpeg"},
    {"newton/newton01.bmp",   141, 480, "bmp"},
    {"newton/newton02.bmp",   141, 480, "bmp"},
    {"newton/newton03.bmp",   141, 480, "bmp"},
    {"newton/newton04.bmp",   141, 480, "bmp"},
    {"newton/newton05.bmp",   141, 480, "bmp"},
    {"newton/newton06.bmp",   141, 480, "bmp"},
    {"newton/newton07.bmp",   141, 480, "bmp"},
    {"newton/newton08.bmp",   141, 480, "bmp"},
    {"newton/newton09.bmp",   141, 480, "bmp"},
    {"newton/newton10.bmp",   141, 480, "bmp"},
    {"Images/magnets1.bmp",   800,  75, "bmp"},
    {"Images/magnets2.bmp",   800,  75, "bmp"},
    {"Images/magnets3.bmp",   800,  75, "bmp"},
    {"Images/magnets4.bmp",   800,  75, "bmp"},
    {"Images/magnets5.bmp",   330, 170, "bmp"},
    {"Images/magnets6.bmp",   330, 170, "bmp"},
    {"Images/magnets7.bmp",   330, 170, "bmp"},
    {"Images/magnets8.bmp",   330, 170, "bmp"},
    {"Images/magmetal1.bmp",  640, 238, "bmp"},
    {"Images/magmetal2.bmp",  640, 238, "bmp"},
    {"Images/magmetal3.bmp",  640, 238, "bmp"},
    {"Images/magmetal4.bmp",  640, 238, "bmp"},
    {"Images/magmetal5.bmp",  640, 238, "bmp"},
};

const QDir appDir(QStringLiteral(LUMENARY_APP_DIR));

TEST(ArtworkFiles, EveryPictureDecodesAtItsSizeAndFormat)
{
    for (const ExpectedPicture& expected : expectedPictures) {
        SCOPED_TRACE(expected.path);
        QImageReader reader(appDir.filePath(QString::fromLatin1(expected.path)));
        ASSERT_TRUE(QFileInfo::exists(reader.fileName()));
        EXPECT_EQ(reader.format().toStdString(), expected.format);
        const QImage image = reader.read();
        ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
        EXPECT_EQ(image.width(), expected.width);
        EXPECT_EQ(image.height(), expected.height);

        // The program checks every file's header before decoding it.
        QFile file(reader.fileName());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        EXPECT_NO_THROW(checkPictureFile({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())}, expected.path));
    }
}

TEST(ArtworkFiles, CatalogueHoldsExactlyTheProgramsPictures)
{
    QSet<QString> expected;
    for (const ExpectedPicture& picture : expectedPictures)
        expected.insert(QString::fromLatin1(picture.path));
    QSet<QString> catalogued;
    for (const ArtworkFile& file : artworkCatalogue())
        catalogued.insert(file.path);
    EXPECT_EQ(catalogued, expected);
    EXPECT_EQ(artworkCatalogue().size(), std::size(expectedPictures)) << "a picture is catalogued twice";
}

}  // namespace
}  // namespace lumenary::artwork
