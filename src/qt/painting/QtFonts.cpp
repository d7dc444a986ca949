#include "qt/painting/QtFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QString>

#include <algorithm>
#include <cmath>
#include <iterator>

namespace lumenary {

void registerProgramFonts(const std::filesystem::path& programFolder) {
    // Fontconfig knows the Liberation fonts where their package puts them (a folder of its own
    // name on Debian 12, "liberation" on Debian 13), and registering one again costs a parse of
    // its file at start-up: the program's copy serves only where the system has none. Wine's
    // Tahoma lies outside fontconfig's folders, so it comes from the program's copy or Wine's.
    const QDir own(QString::fromStdString((programFolder / "fonts").string()));
    const QDir systemFolders[] = {QDir(QStringLiteral("/usr/share/fonts/truetype/liberation2")),
                                  QDir(QStringLiteral("/usr/share/fonts/truetype/liberation"))};
    for (const char* file : {"LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf", "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"}) {
        const auto known = [&](const QDir& folder) { return folder.exists(QString::fromLatin1(file)); };
        if (std::none_of(std::begin(systemFolders), std::end(systemFolders), known))
            QFontDatabase::addApplicationFont(own.filePath(QString::fromLatin1(file)));
    }
    for (const char* file : {"tahoma.ttf", "tahomabd.ttf"})
        if (QFontDatabase::addApplicationFont(own.filePath(QString::fromLatin1(file))) < 0)
            QFontDatabase::addApplicationFont(QDir(QStringLiteral("/usr/share/wine/fonts")).filePath(QString::fromLatin1(file)));
}

QFont toQFont(const Font& font) {
    // Named by the metric-compatible face drawn in place of the Windows one the screens name, so
    // that Qt finds it at once rather than through a search of fontconfig's substitutes.
    QFont result(font.Name == "Times New Roman" ? QStringLiteral("Liberation Serif")
                 : font.Name == "Arial"         ? QStringLiteral("Liberation Sans")
                                                : QString::fromStdString(font.Name));
    // Through twips rather than the monitor's DPI, so text sits in its box the same way everywhere.
    result.setPixelSize(static_cast<int>(std::lround(font.Size * twipsPerPoint / twipsPerDesignPixel)));
    result.setBold(font.Bold);
    // Every caption is in the Latin letters each of these fonts has: with no other font to draw
    // a missing letter from, Qt need not ask fontconfig for a list of fallbacks at the first paint.
    result.setStyleStrategy(QFont::NoFontMerging);
    return result;
}

}  // namespace lumenary
