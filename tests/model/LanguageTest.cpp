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

TEST(Fill, PutsValuesInTurnOrWhereATranslationMovesThem) {
    const struct { const char* pattern; const char* filled; } rows[] = {
        {"%d out of %d correct", "3 out of 8 correct"},
        {"%2$d: %1$d", "8: 3"},
        {"100%% %s", "100% 3"},
        {"%d %d %d", "3 8 %d"},  // more directives than values: the rest stay as written
        {"50% off%", "50% off%"},
        {"%x", "%x"},
    };
    for (const auto& row : rows) EXPECT_EQ(fill(row.pattern, {"3", "8"}), row.filled) << row.pattern;
}

TEST(Languages, CodesAsSystemsAndBrowsersWriteThemNameTheirLanguage) {
    SpeakingEnglishAfter english;
    const struct { const char* code; bool known; const char* inForce; } rows[] = {
        {"cy", true, "cy"}, {"cy_GB.UTF-8", true, "cy"}, {"fr-CA", true, "fr"}, {"DE_de@euro", true, "de"},
        {"uk_UA", true, "uk"}, {"en_GB", true, "en"}, {"en", true, "en"}, {"C", false, "en"},
        {"C.UTF-8", false, "en"}, {"xx", false, "en"}, {"", false, "en"}, {"c", false, "en"},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(useLanguage(row.code), row.known) << row.code;
        EXPECT_EQ(languageInForce(), row.inForce) << row.code;
    }
    EXPECT_EQ(languageList(), "en, cy, de, es, fr, pl, uk");
    EXPECT_EQ(firstKnownLanguage("xx:uk:fr"), "uk");
    EXPECT_EQ(firstKnownLanguage("ja,en-US,pl"), "en-US");
    EXPECT_EQ(firstKnownLanguage("ja::"), "");
}

std::map<std::string, std::string> environment;
const char* variable(const char* name) {
    const auto found = environment.find(name);
    return found == environment.end() ? nullptr : found->second.c_str();
}

TEST(Languages, TheEnvironmentIsReadInGettextsOrderWithoutNeedingALocale) {
    const struct { std::map<std::string, std::string> set; const char* chosen; } rows[] = {
        {{}, "en"},
        {{{"LANG", "cy_GB.UTF-8"}}, "cy_GB.UTF-8"},
        {{{"LANG", "fr_FR.UTF-8"}, {"LC_MESSAGES", "de_DE.UTF-8"}}, "de_DE.UTF-8"},
        {{{"LC_MESSAGES", "de_DE"}, {"LC_ALL", "es_ES"}}, "es_ES"},
        {{{"LC_ALL", ""}, {"LANG", "pl_PL"}}, "pl_PL"},
        {{{"LANGUAGE", "xx:uk:pl"}, {"LC_ALL", "es_ES"}}, "uk"},
        {{{"LANGUAGE", "cy"}, {"LANG", "C"}}, "cy"},  // the C library would ignore LANGUAGE here
        {{{"LANGUAGE", "xx"}, {"LANG", "fr_BE"}}, "fr_BE"},
    };
    for (const auto& row : rows) {
        environment = row.set;
        EXPECT_EQ(languageFromEnvironment(variable), row.chosen);
    }
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
            EXPECT_NE(trn("%d out of %d correct", "%d out of %d correct", n, {count, "10"}).find(count), std::string::npos) << row.code;
        }
    }
    useLanguage("en");
    EXPECT_EQ(trn("%d out of %d correct", "%d out of %d correct", 1, {"1", "8"}), "1 out of 8 correct");
    EXPECT_EQ(trn("%d Newton", "%d Newtons", 2, {"2"}), "2 Newtons");
}

class ChosenLanguage : public ScreenTest {
protected:
    SpeakingEnglishAfter english;
    ~ChosenLanguage() override { unsetenv("LANGUAGE"); }
};

TEST_F(ChosenLanguage, TheCommandLineOrTheEnvironmentChoosesAndAnUnknownCodeSaysWhichThereAre) {
    const struct { const char* language; QStringList arguments; const char* inForce; const char* warning; } rows[] = {
        {nullptr, {"--language", "cy"}, "cy", ""},
        {nullptr, {"--language=uk", "--help"}, "uk", ""},
        {"pl", {}, "pl", ""},
        {"pl", {"--language", "fr"}, "fr", ""},
        {nullptr, {"--language", "xx"}, "en", "Lumenary: There is no language \"xx\"; the languages are en, cy, de, es, fr, pl, uk.\n"},
    };
    for (const auto& row : rows) {
        row.language ? setenv("LANGUAGE", row.language, 1) : unsetenv("LANGUAGE");
        const CommandLine read = readCommandLine(QStringList{"lumenary"} + row.arguments);
        EXPECT_EQ(std::tuple(std::string(languageInForce()), read.warning), std::tuple(std::string(row.inForce), std::string(row.warning)));
        useLanguage("en");
    }
    useLanguage("uk");
    const CommandLine help = readCommandLine({"lumenary", "--language", "uk", "--help"});
    EXPECT_NE(help.said.find(tr("Speak the language CODE: %s. Without it, the language the environment asks for.").substr(0, 20)), std::string::npos) << help.said;
    EXPECT_NE(help.said.find("--language <CODE>"), std::string::npos);
}

TEST_F(ChosenLanguage, ScreensSpeakTheLanguageInForceAndEnglishStaysAsWritten) {
    useLanguage("cy");
    LabellingScreen& moon = open(phaseslab);
    EXPECT_EQ(moon.Caption, tr("Phases of the Moon"));
    EXPECT_NE(moon.Caption, "Phases of the Moon");
    EXPECT_EQ(moon.Label2[7].Caption, tr("New Moon"));
    EXPECT_EQ(moon.accessibleName(moon.Label1[2]), trFill("Target %d", {"3"}));
    for (int i = 0; i < 8; ++i) dropOn(moon.Label2[i], moon.Label1[i]);
    click(moon.Label3[LabellingScreen::checkScoreButton]);
    EXPECT_EQ(moon.Label5.Caption, trn("%d out of %d correct", "%d out of %d correct", 8, {"8", "8"}));
    EXPECT_NE(moon.Label5.Caption.find('8'), std::string::npos);
}

}  // namespace
}  // namespace lumenary::testing
