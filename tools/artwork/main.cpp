// Draws every picture the program reads into its program folder, and the program's icon into
// an icon theme folder: lumenary_artwork <program folder> <icon theme folder>
#include "appIcon.h"
#include "artworkWriter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: lumenary_artwork <program folder> <icon theme folder>\n";
        return 2;
    }

    // Fonts need a GUI application, but nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList failures = lumenary::artwork::writeArtwork(QString::fromLocal8Bit(argv[1])) +
                                 lumenary::artwork::writeApplicationIcons(QString::fromLocal8Bit(argv[2]));
    for (const QString& failure : failures)
        err << "lumenary_artwork: could not write " << failure << '\n';
    return failures.isEmpty() ? 0 : 1;
}
