#include "qt/painting/QtFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QString>

#include <cmath>
#include <utility>

namespace lumenary {

void registerProgramFonts(const std::filesystem::path& programFolder) {
    // Each font, and the system folder its package puts it in. Fontconfig already knows the
    // fonts in the system's font folders, and registering one again costs a parse of its file at
    // start-up; Wine's Tahoma lies outside them, so it comes from the program's own copy, or
    // Wine's folder where the program has none.
    const QString ownFonts = QString::fromStdString((programFolder / "fonts").string());
    const QString wine = QStringLiteral("/usr/share/wine/fonts"), liberation = QStringLiteral("/usr/share/fonts/truetype/liberation2");
    const std::pair<QString, QString> wanted[] = {
        {"tahoma.ttf", wine}, {"tahomabd.ttf", wine}, {"LiberationSerif-Regular.ttf", liberation}, {"LiberationSerif-Bold.ttf", liberation},
        {"LiberationSans-Regular.ttf", liberation}, {"LiberationSans-Bold.ttf", liberation}};
    for (const auto& [file, systemFolder] : wanted) {
        if (systemFolder == liberation && QFile::exists(QDir(systemFolder).filePath(file))) continue;
        for (const QString& folder : {ownFonts, systemFolder}) {
            const QString path = QDir(folder).filePath(file);
            if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) break;
        }
    }
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
