#include "artworkFonts.h"

#include <QFontDatabase>
#include <QStringList>

namespace lumenary::artwork {

namespace {

// Tahoma is not a system font here; it ships with Wine and is registered by file.
QString interfaceFamily()
{
    static const QString family = [] {
        QString found;
        for (const char* file : {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
            const QStringList families = QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(file));
            if (!families.isEmpty())
                found = families.first();
        }
        return found.isEmpty() ? QStringLiteral("Liberation Sans") : found;
    }();
    return family;
}

QFont makeFont(const QString& family, int pixelSize, bool bold)
{
    QFont font(family);
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferFullHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

}  // namespace

QFont interfaceFont(int pixelSize, bool bold) { return makeFont(interfaceFamily(), pixelSize, bold); }

QFont serifFont(int pixelSize, bool bold) { return makeFont(QStringLiteral("Liberation Serif"), pixelSize, bold); }

}  // namespace lumenary::artwork
