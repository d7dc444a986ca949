#include "app/CommandLine.h"

#include "activities/Activities.h"

#include <QCommandLineParser>
#include <QRegularExpression>

namespace lumenary {

CommandLine readCommandLine(const QStringList& arguments) {
    QStringList names;
    for (const Activity& known : activities()) names << QString::fromLatin1(known.name);

    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral("Short physics activities for the classroom screen."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        QStringLiteral("Start full screen, scaled to fit the display (F11 switches back)."));
    const QCommandLineOption activity(QStringLiteral("activity"),
                                      QStringLiteral("Start straight into an activity, with its topic menu beneath it: %1.")
                                          .arg(names.join(QStringLiteral(", "))),
                                      QStringLiteral("NAME"));
    parser.addOption(fullScreen);
    parser.addOption(activity);

    // The program's name as a user types it, whatever path it was started by (and before the
    // application exists, the parser knows no name at all).
    const QString usage =
        parser.helpText().replace(QRegularExpression(QStringLiteral("^Usage: \\S+")), QStringLiteral("Usage: lumenary"));
    const auto ending = [](int status, const QString& said) { return CommandLine{std::nullopt, status, said.toStdString()}; };
    if (!parser.parse(arguments)) return ending(2, parser.errorText() + "\n\n" + usage);
    if (!parser.positionalArguments().isEmpty())
        return ending(2, "Unexpected argument: " + parser.positionalArguments().first() + "\n\n" + usage);
    if (parser.isSet(help)) return ending(0, usage);
    if (parser.isSet(version)) return ending(0, QStringLiteral("Lumenary " LUMENARY_VERSION "\n"));

    StartOptions options{.fullScreen = parser.isSet(fullScreen), .activity = nullptr};
    if (parser.isSet(activity)) {
        options.activity = findActivity(parser.value(activity).toStdString());
        if (!options.activity)
            return ending(2, "Unknown activity \"" + parser.value(activity) + "\". The activities are: " +
                                 names.join(QStringLiteral(", ")) + ".\n");
    }
    return {options, 0, {}};
}

}  // namespace lumenary
