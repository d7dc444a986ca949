#include "artworkCatalogue.h"
#include "artworkWriter.h"
#include "runtime/PictureFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <gtest/gtest.h>

namespace lumenary::artwork {
namespace {

// The picture files the program opens, by family, in the folders and at the sizes its screens
// expect; "%1" is a picture's number, of `digits` digits.
struct Family {
    QString path;
    QStringList names;
    int width, height;
    const char* format;
};

QStringList numbered(int first, int last, int digits = 1) {
    QStringList names;
    for (int n = first; n <= last; ++n) names << QStringLiteral("%1").arg(n, digits, 10, QLatin1Char('0'));
    return names;
}

// clang-format off
const Family families[] = {
    {"opening/tessil00.gif",  {""},                                                           316, 236, "gif"},
    {"Images/%1.jpg",         {"exit", "next", "answer", "check", "jotter", "scramble"},      119,  33, "jpeg"},
    {"Images/tessil3.jpg",    {""},                                                           800, 600, "jpeg"},
    {"Images/logo2.jpg",      {""},                                                           100, 139, "jpeg"},
    {"Images/phases%1.jpg",   numbered(0, 7),                                                 154, 117, "jpeg"},
    {"Images/jupitersm.jpg",  {""}, 164, 149, "jpeg"}, {"Images/mercurysm2.jpg", {""},  49,  48, "jpeg"},
    {"Images/venussm.jpg",    {""},  74,  71, "jpeg"}, {"Images/earthsm.jpg",    {""},  75,  77, "jpeg"},
    {"Images/saturn.jpg",     {""}, 268, 193, "jpeg"}, {"Images/marssm.jpg",     {""},  52,  50, "jpeg"},
    {"Images/uranus.jpg",     {""}, 110, 106, "jpeg"}, {"Images/neptune.jpg",    {""}, 110, 108, "jpeg"},
    {"Images/pluto.jpg",      {""},  42,  41, "jpeg"},
    {"newton/newton%1.bmp",   numbered(1, 10, 2),                                             141, 480, "bmp"},
    {"Images/magnets%1.bmp",  numbered(1, 4),                                                 800,  75, "bmp"},
    {"Images/magnets%1.bmp",  numbered(5, 8),                                                 330, 170, "bmp"},
    {"Images/magmetal%1.bmp", numbered(1, 5),                                                 640, 238, "bmp"},
};
// clang-format on

TEST(ArtworkFiles, EveryPictureIsCataloguedOnceAndDecodesAtItsSizeAndFormatPassingTheProgramsCheckWithASharperVariant) {
    QSet<QString> expected;
    const QDir appDir(QStringLiteral(LUMENARY_APP_DIR));
    for (const Family& family : families)
        for (const QString& name : family.names) {
            const QString path = family.path.contains("%1") ? family.path.arg(name) : family.path;
            SCOPED_TRACE(path.toStdString());
            expected.insert(path);
            QImageReader reader(appDir.filePath(path));
            ASSERT_TRUE(QFileInfo::exists(reader.fileName()));
            EXPECT_EQ(reader.format().toStdString(), family.format);
            const QImage image = reader.read();
            ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
            EXPECT_EQ(image.size(), QSize(family.width, family.height));
            QFile file(reader.fileName());
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray bytes = file.readAll();
            EXPECT_NO_THROW(checkPictureFile({reinterpret_cast<const std::uint8_t*>(bytes.constData()), std::size_t(bytes.size())},
                                             path.toStdString()));
            // Its sharper variants are the same drawing at two and three times the resolution:
            // brought back down they differ by no more than JPEG noise and the hinting of small text.
            for (const int factor : sharperVariantFactors) {
                const QImage sharper(appDir.filePath(sharperVariantPath(path, factor)));
                ASSERT_EQ(sharper.size(), image.size() * factor);
                const QImage reduced = sharper.scaled(image.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
                double difference = 0;
                for (int y = 0; y < image.height(); ++y)
                    for (int x = 0; x < image.width(); ++x) {
                        const QColor a = image.pixelColor(x, y), b = reduced.pixelColor(x, y);
                        difference += std::abs(a.red() - b.red()) + std::abs(a.green() - b.green()) + std::abs(a.blue() - b.blue());
                    }
                EXPECT_LT(difference / (3.0 * image.width() * image.height()), 10.0) << factor << "x";
            }
        }
    QSet<QString> catalogued;
    for (const ArtworkFile& file : artworkCatalogue()) catalogued.insert(file.path);
    EXPECT_EQ(catalogued, expected);
    EXPECT_EQ(artworkCatalogue().size(), std::size_t(expected.size())) << "a picture is catalogued twice";
}

}  // namespace
}  // namespace lumenary::artwork
