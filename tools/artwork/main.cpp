// Draws every picture the program reads into its program folder: lumenary_artwork <appdir>
#include "artworkWriter.h"

#include <QGuiApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: lumenary_artwork <program folder>\n";
        return 2;
    }

    // Fonts need a GUI application, but nothing is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QStringList failures = lumenary::artwork::writeArtwork(QString::fromLocal8Bit(argv[1]));
    for (const QString& failure : failures)
        err << "lumenary_artwork: could not write " << failure << '\n';
    return failures.isEmpty() ? 0 : 1;
}
