#include "app/CommandLine.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>

namespace lumenary {

CommandLine readCommandLine(const QStringList& arguments) {
    QStringList names;
    for (const ActivityStart& start : activityStarts()) names << QString::fromLatin1(start.name());

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

    QTextStream out(stdout);
    QTextStream err(stderr);
    // Read before the application exists, the parser cannot know the program's name itself.
    const QString usage = parser.helpText().replace(QStringLiteral("<executable_name>"), QStringLiteral("lumenary"));
    if (!parser.parse(arguments)) {
        err << parser.errorText() << "\n\n" << usage;
        return {std::nullopt, 2};
    }
    if (!parser.positionalArguments().isEmpty()) {
        err << "Unexpected argument: " << parser.positionalArguments().first() << "\n\n" << usage;
        return {std::nullopt, 2};
    }
    if (parser.isSet(help)) {
        out << usage;
        return {std::nullopt, 0};
    }
    if (parser.isSet(version)) {
        out << QCoreApplication::applicationName() << ' ' << QCoreApplication::applicationVersion() << '\n';
        return {std::nullopt, 0};
    }

    StartOptions options{.fullScreen = parser.isSet(fullScreen), .activity = std::nullopt};
    if (parser.isSet(activity)) {
        options.activity = findActivityStart(parser.value(activity).toStdString());
        if (!options.activity) {
            err << "Unknown activity \"" << parser.value(activity) << "\". The activities are: " << names.join(QStringLiteral(", "))
                << ".\n";
            return {std::nullopt, 2};
        }
    }
    return {options, 0};
}

}  // namespace lumenary
