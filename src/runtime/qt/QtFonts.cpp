#include "QtFonts.h"

#include <QDir>
#include <QFontDatabase>
#include <QString>

#include <cmath>

namespace lumenary {

void registerProgramFonts(const std::filesystem::path& programFolder) {
    // The program's own copies first; the system's packages where the folder lacks them.
    const QStringList folders = {
        QString::fromStdString((programFolder / "fonts").string()),
        QStringLiteral("/usr/share/wine/fonts"),
        QStringLiteral("/usr/share/fonts/truetype/liberation2"),
    };
    const QStringList wanted = {"tahoma.ttf", "tahomabd.ttf", "LiberationSerif-Regular.ttf", "LiberationSerif-Bold.ttf",
                                "LiberationSans-Regular.ttf", "LiberationSans-Bold.ttf"};
    for (const QString& file : wanted) {
        for (const QString& folder : folders) {
            const QString path = QDir(folder).filePath(file);
            if (QFile::exists(path) && QFontDatabase::addApplicationFont(path) >= 0) break;
        }
    }
    QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
}

QFont toQFont(const Font& font) {
    QFont result(QString::fromStdString(font.Name));
    // Through twips rather than the monitor's DPI, so text sits in its box the same way everywhere.
    result.setPixelSize(static_cast<int>(std::lround(font.Size * twipsPerPoint / twipsPerDesignPixel)));
    result.setBold(font.Bold);
    return result;
}

}  // namespace lumenary
