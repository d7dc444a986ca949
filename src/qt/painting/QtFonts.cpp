#include "qt/painting/QtFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QString>

#include <algorithm>
#include <string_view>
#include <iterator>

namespace lumenary {

void registerProgramFonts(const std::filesystem::path& programFolder) {
    // Fontconfig knows the Liberation fonts where their package puts them (a folder of its own
    // name on Debian 12, "liberation" on Debian 13), and registering one again costs a parse of
    // its file at start-up: the program's copy serves only where the system has none. Tahoma is
    // the program's own copy, given the Welsh letters Wine's lacks; Wine's serves only without it.
    const QDir own(QString::fromStdString((programFolder / "fonts").string()));
    const QDir systemFolders[] = {QDir(QStringLiteral("/usr/share/fonts/truetype/liberation2")),
                                  QDir(QStringLiteral("/usr/share/fonts/truetype/liberation"))};
    for (const FontFace& face : programFaces) {
        const QString file = QString::fromLatin1(face.file);
        if (std::string_view(face.family) == "Tahoma") {
            if (QFontDatabase::addApplicationFont(own.filePath(file)) < 0)
                QFontDatabase::addApplicationFont(QDir(QStringLiteral("/usr/share/wine/fonts")).filePath(file.section('-', 1)));
        } else if (std::none_of(std::begin(systemFolders), std::end(systemFolders), [&](const QDir& folder) { return folder.exists(file); })) {
            QFontDatabase::addApplicationFont(own.filePath(file));
        }
    }
}

QFont toQFont(const Font& font) {
    // Named by the face drawn, so that Qt finds it at once rather than through a search of
    // fontconfig's substitutes.
    QFont result(QString::fromStdString(faceFamily(font.Name)));
    result.setPixelSize(pixelSize(font));
    result.setBold(font.Bold);
    // Every caption is in the Latin letters each of these fonts has: with no other font to draw
    // a missing letter from, Qt need not ask fontconfig for a list of fallbacks at the first paint.
    result.setStyleStrategy(QFont::NoFontMerging);
    return result;
}

}  // namespace lumenary
