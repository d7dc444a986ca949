#include "app/CommandLine.h"

#include "activities/Activities.h"
#include "runtime/language/Translation.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cstdlib>

namespace lumenary {

namespace {

const char* environmentVariable(const char* name) { return std::getenv(name); }

// The language is chosen before the parser is made, so that its help is in that language.
void chooseLanguage(const QStringList& arguments, std::string& warning) {
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        QString code;
        if (arguments[i] == QStringLiteral("--language") && i + 1 < arguments.size()) code = arguments[i + 1];
        else if (arguments[i].startsWith(QStringLiteral("--language="))) code = arguments[i].mid(11);
        else continue;
        if (!useLanguage(code.toStdString()))
            warning = "Lumenary: " + trFill(N_("There is no language \"%s\"; the languages are %s."), {code.toStdString(), languageList()}) + "\n";
        return;
    }
    useLanguage(languageFromEnvironment(environmentVariable));
}

QString q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

CommandLine readCommandLine(const QStringList& arguments) {
    std::string warning;
    chooseLanguage(arguments, warning);
    QStringList names;
    for (const Activity& known : activities()) names << QString::fromLatin1(known.name);

    QCommandLineParser parser;
    parser.setApplicationDescription(q(tr(N_("Short physics activities for the classroom screen."))));
    // Help and version are the program's own options, so that their lines speak its language.
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")}, q(tr(N_("Show this help."))));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")}, q(tr(N_("Show the version."))));
    parser.addOption(help);
    parser.addOption(version);
    const QCommandLineOption fullScreen(QStringLiteral("fullscreen"),
                                        q(tr(N_("Start full screen, scaled to fit the display (F11 switches back)."))));
    const QCommandLineOption activity(QStringLiteral("activity"),
                                      q(trFill(N_("Start straight into an activity, with its topic menu beneath it: %s."),
                                               {names.join(QStringLiteral(", ")).toStdString()})),
                                      QStringLiteral("NAME"));
    const QCommandLineOption language(QStringLiteral("language"),
                                      q(trFill(N_("Speak the language CODE: %s. Without it, the language the environment asks for."),
                                               {languageList()})),
                                      QStringLiteral("CODE"));
    parser.addOption(fullScreen);
    parser.addOption(activity);
    parser.addOption(language);

    // The program's name as a user types it, whatever path it was started by (and before the
    // application exists, the parser knows no name at all); the headings in the language spoken.
    const QString usage = parser.helpText()
                              .replace(QRegularExpression(QStringLiteral("^Usage: \\S+ \\[options\\]")), q(tr(N_("Usage: lumenary [options]"))))
                              .replace(QStringLiteral("\nOptions:\n"), "\n" + q(tr(N_("Options:"))) + "\n");
    const auto ending = [&](int status, const QString& said) { return CommandLine{std::nullopt, status, said.toStdString(), warning}; };
    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString mistake = unknown.isEmpty() ? parser.errorText() : q(trFill(N_("Unknown option '%s'."), {unknown.first().toStdString()}));
        return ending(2, mistake + "\n\n" + usage);
    }
    if (!parser.positionalArguments().isEmpty())
        return ending(2, q(trFill(N_("Unexpected argument: %s"), {parser.positionalArguments().first().toStdString()})) + "\n\n" + usage);
    if (parser.isSet(help)) return ending(0, usage);
    if (parser.isSet(version)) return ending(0, QStringLiteral("Lumenary " LUMENARY_VERSION "\n"));

    StartOptions options{.fullScreen = parser.isSet(fullScreen), .activity = nullptr};
    if (parser.isSet(activity)) {
        options.activity = findActivity(parser.value(activity).toStdString());
        if (!options.activity)
            return ending(2, q(trFill(N_("Unknown activity \"%s\". The activities are: %s."),
                                      {parser.value(activity).toStdString(), names.join(QStringLiteral(", ")).toStdString()})) + "\n");
    }
    return {options, 0, {}, warning};
}

}  // namespace lumenary
