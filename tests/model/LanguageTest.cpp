#include "ScreenTest.h"

#include "app/CommandLine.h"
#include "runtime/language/Translation.h"

#include <cstdlib>
#include <map>
#include <vector>

namespace lumenary::testing {
namespace {

// Every test leaves the program speaking English, as the others expect.
struct SpeakingEnglishAfter {
    ~SpeakingEnglishAfter() { useLanguage("en"); }
};

std::map<std::string, std::string> environment;
const char* variable(const char* name) {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
}

// The language spoken: the first of LANGUAGE's list there is a catalogue for, else the first set of
// LC_ALL, LC_MESSAGES and LANG, their codes as systems write them; English for none or an unknown one.
TEST(Languages, TheEnvironmentIsReadInGettextsOrderWithoutNeedingALocale) {
    SpeakingEnglishAfter english;
    const struct { std::map<std::string, std::string> set; const char* spoken; bool known; } rows[] = {
        {{}, "en", true},
        {{{"LANG", "cy_GB.UTF-8"}}, "cy", true},
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE@euro"}}, "de", true},
        {{{"LC_MESSAGES", "de_DE"}, {"LC_ALL", "ES-es"}}, "es", true},
        {{{"LANGUAGE", "xx:uk:pl"}, {"LC_ALL", "es_ES"}}, "uk", true},
        {{{"LANGUAGE", "cy"}, {"LANG", "C"}}, "cy", true},  // the C library would ignore LANGUAGE here
        {{{"LANGUAGE", "xx"}, {"LANG", "C.UTF-8"}}, "en", false},
    };
    for (const auto& row : rows) {
        environment = row.set;
        EXPECT_EQ(useLanguage(languageFromEnvironment(variable)), row.known);
        EXPECT_EQ(languageInForce(), row.spoken);
    }
    EXPECT_EQ(languageList(), "en, cy, de, es, fr, pl, uk");
    EXPECT_EQ(std::tuple(firstKnownLanguage("ja,en-US,pl"), firstKnownLanguage("ja::")), std::tuple("en-US", ""));
}

// Each language's rule for counts 0 to 10, as its grammar has it: the form each count takes, and
// the words of the newton meter's answer in each form.
TEST(Languages, EachCountTakesTheFormItsLanguageGivesIt) {
    SpeakingEnglishAfter english;
    const struct { const char* code; int forms[11]; std::vector<const char*> newtons; } rows[] = {
        {"cy", {2, 0, 1, 2, 2, 2, 2, 2, 3, 2, 2}, {"newton", "newton", "newton", "newton"}},
        {"de", {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {"Newton", "Newton"}},
        {"es", {1, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {"newton", "newtons"}},
        {"fr", {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1}, {"newton", "newtons"}},
        {"pl", {2, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2}, {"niuton", "niutony", "niutonów"}},
        {"uk", {2, 0, 1, 1, 1, 2, 2, 2, 2, 2, 2}, {"ньютон", "ньютони", "ньютонів"}},
    };
    ASSERT_EQ(catalogues().size(), std::size(rows));
    for (const auto& row : rows) {
        const Catalogue* catalogue = catalogueFor(row.code);
        ASSERT_NE(catalogue, nullptr) << row.code;
        useLanguage(row.code);
        for (unsigned long n = 0; n <= 10; ++n) {
            const std::string count = std::to_string(n);
            EXPECT_EQ(catalogue->pluralForm(n), row.forms[n]) << row.code << " " << n;
            EXPECT_EQ(trn("%d Newton", "%d Newtons", n, {count}), count + " " + row.newtons.at(static_cast<std::size_t>(row.forms[n]))) << row.code;
        }
    }
}

TEST(Languages, TheCommandLineOrTheEnvironmentChoosesAndAnUnknownCodeSaysWhichThereAre) {
    SpeakingEnglishAfter english;
    const struct { const char* language; QStringList arguments; const char* inForce; const char* warning; } rows[] = {
        {nullptr, {"--language", "cy"}, "cy", ""},
        {nullptr, {"--language=uk", "--help"}, "uk", ""},
        {"pl", {"--language", "fr"}, "fr", ""},
        {nullptr, {"--language", "xx"}, "en", "Lumenary: There is no language \"xx\"; the languages are en, cy, de, es, fr, pl, uk.\n"},
    };
    for (const auto& row : rows) {
        row.language ? setenv("LANGUAGE", row.language, 1) : unsetenv("LANGUAGE");
        const CommandLine read = readCommandLine(QStringList{"lumenary"} + row.arguments);
        EXPECT_EQ(std::tuple(std::string(languageInForce()), read.warning), std::tuple(std::string(row.inForce), std::string(row.warning)));
    }
    unsetenv("LANGUAGE");
    const CommandLine help = readCommandLine({"lumenary", "--language", "uk", "--help"});
    EXPECT_NE(help.said.find(tr("Speak the language CODE: %s. Without it, the language the environment asks for.").substr(0, 20)), std::string::npos) << help.said;
}

}  // namespace
}  // namespace lumenary::testing
