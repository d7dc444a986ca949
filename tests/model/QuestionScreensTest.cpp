#include "ScreenTest.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "menus/TopicMenus.h"
#include "runtime/RuntimeError.h"

#include <cstdio>
#include <filesystem>

namespace lumenary::testing {
namespace {

class QuestionTest : public ScreenTest {
protected:
    // The clock-seeded draw that picks question `n` of `count`.
    void scriptQuestion(int n, int count) { platform.draws.push_back((n + 0.5f) / count); }

    template <class Screen>
    Screen& open(int question, int count = 8) {
        scriptQuestion(question, count);
        runtime.dispatch([] { form<Screen>().Show(); });
        return runtime.form<Screen>();
    }

    static bool answerShown(const QuestionScreen& s) { return s.Label5[QuestionScreen::answerText].Visible; }
    static bool praiseShown(const QuestionScreen& s) { return s.Label5[QuestionScreen::praiseText].Visible; }
    static const Image* shownPicture(const QuestionScreen& s) {
        const Image* shown = nullptr;
        for (int i : {0, 1})
            if (s.Image1.exists(i) && s.Image1[i].Visible) {
                EXPECT_EQ(shown, nullptr) << "exactly one picture shows";
                shown = &s.Image1[i];
            }
        return shown;
    }
};

// ---- Newton meter ----

class NewtonMeterWeights : public QuestionTest, public ::testing::WithParamInterface<int> {};

TEST_P(NewtonMeterWeights, EachWeightShowsItsOwnMeterAndAnswer) {
    const int weight = GetParam();
    newtonmeter& meter = open<newtonmeter>(weight - 1, 10);
    char file[32];
    std::snprintf(file, sizeof file, "newton\\newton%02d.bmp", weight);
    EXPECT_EQ(meter.weight(), weight);
    const Image* picture = shownPicture(meter);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture->picture().sourcePath(), file);
    EXPECT_EQ(picture->Left, 1200);
    EXPECT_EQ(picture->Top, 120);
    EXPECT_EQ(meter.Label5[0].Caption, std::to_string(weight) + (weight == 1 ? " Newton" : " Newtons"));
    EXPECT_FALSE(answerShown(meter));
    click(meter.Label3[QuestionScreen::answerButton]);
    EXPECT_TRUE(answerShown(meter));
}
INSTANTIATE_TEST_SUITE_P(OneToTen, NewtonMeterWeights, ::testing::Range(1, 11));

TEST_F(QuestionTest, NewtonMeterDrawsOverTheWholeUnitIntervalAndReseedsEachTime) {
    platform.draws = {0.0f, 0.99999994f};
    runtime.dispatch([] { form<newtonmeter>().Show(); });
    newtonmeter& meter = runtime.form<newtonmeter>();
    EXPECT_EQ(meter.Caption, "Newton Meter");
    EXPECT_EQ(meter.BackColor, (Color{39, 63, 137}));
    EXPECT_EQ(meter.weight(), 1);
    click(meter.Label3[QuestionScreen::answerButton]);
    click(meter.Label3[QuestionScreen::newQuestionButton]);
    EXPECT_EQ(meter.weight(), 10);
    EXPECT_EQ(meter.Label5[0].Caption, "10 Newtons");
    EXPECT_FALSE(answerShown(meter)) << "New Question hides the answer";
    EXPECT_EQ(platform.reseeds, 2) << "reseeded from the clock before every draw";
    EXPECT_EQ(meter.Image1[0].Width, 2115) << "the picture fills its slot at its own size";
    EXPECT_EQ(meter.Image1[0].Height, 7200);
}

// ---- Magnets: every question of both sections ----

struct MagnetsRow {
    bool materials;  // section 2
    int question;
    const char* picture;
    int slot;
    const char* caption;  // section 2's question, or "" where the question is fixed
    int right;            // the choice that is right
    const char* answer;
};

const char* const attractSentence = "The magnets will attract each other.";
const char* const repelSentence = "The magnets will repel each other.";
const char* const attractiveSentence = "There will be an attractive force.";
const char* const noForceSentence = "There will be no force between them.";
const char* const pairQuestion = "Will the magnets attract each other, repel each other or will there be no force between them?";

// clang-format off
const MagnetsRow magnetsRows[] = {
    {false, 0, "Images\\magnets1.bmp", 0, "", 0, attractSentence},
    {false, 1, "Images\\magnets2.bmp", 0, "", 0, attractSentence},
    {false, 2, "Images\\magnets3.bmp", 0, "", 1, repelSentence},
    {false, 3, "Images\\magnets4.bmp", 0, "", 1, repelSentence},
    {false, 4, "Images\\magnets5.bmp", 1, "", 1, repelSentence},
    {false, 5, "Images\\magnets6.bmp", 1, "", 1, repelSentence},
    {false, 6, "Images\\magnets7.bmp", 1, "", 0, attractSentence},
    {false, 7, "Images\\magnets8.bmp", 1, "", 0, attractSentence},
    {true, 0, "Images\\magmetal1.bmp", 1, "What force will there be between a magnet and a sheet of copper?",    2, noForceSentence},
    {true, 1, "Images\\magmetal2.bmp", 1, "What force will there be between a magnet and a sheet of iron?",      0, attractiveSentence},
    {true, 2, "Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of steel?",     0, attractiveSentence},
    {true, 3, "Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of nickel?",    0, attractiveSentence},
    {true, 4, "Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of cobalt?",    0, attractiveSentence},
    {true, 5, "Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of aluminium?", 2, noForceSentence},
    {true, 6, "Images\\magmetal4.bmp", 1, "What force will there be between a magnet and a piece of plastic?",   2, noForceSentence},
    {true, 7, "Images\\magmetal5.bmp", 1, "What force will there be between a magnet and a glass mirror?",       2, noForceSentence},
};
// clang-format on

class MagnetsQuestions : public QuestionTest, public ::testing::WithParamInterface<MagnetsRow> {
protected:
    QuestionScreen& openRow(const MagnetsRow& row) {
        if (row.materials) return open<magnets2>(row.question);
        return open<magnets>(row.question);
    }
};

TEST_P(MagnetsQuestions, ShowsItsPictureAndQuestionAndJudgesEveryChoice) {
    const MagnetsRow& row = GetParam();
    QuestionScreen& screen = openRow(row);
    EXPECT_EQ(screen.Caption, "Repel or Attract?");
    EXPECT_EQ(screen.questionNumber(), row.question);
    const Image* picture = shownPicture(screen);
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(picture, &screen.Image1[row.slot]);
    EXPECT_EQ(picture->picture().sourcePath(), row.picture);
    EXPECT_EQ(screen.Label5[QuestionScreen::questionText].Caption, *row.caption ? row.caption : pairQuestion);
    EXPECT_EQ(screen.Label5[QuestionScreen::answerText].Caption, row.answer);
    EXPECT_FALSE(answerShown(screen));
    EXPECT_FALSE(praiseShown(screen));

    for (int choice = 0; choice < 3; ++choice) {
        SCOPED_TRACE(screen.Label4[choice].Caption);
        scriptQuestion(row.question, 8);
        click(screen.Label3[QuestionScreen::newQuestionButton]);  // back to a clean state, same question
        click(screen.Label4[choice]);
        EXPECT_EQ(praiseShown(screen), choice == row.right);
        EXPECT_EQ(answerShown(screen), choice != row.right);
    }
}
INSTANTIATE_TEST_SUITE_P(BothSections, MagnetsQuestions, ::testing::ValuesIn(magnetsRows), [](const auto& info) {
    return std::string(info.param.materials ? "Materials" : "Pairs") + std::to_string(info.param.question);
});

// ---- Magnets: the state of the two texts ----

struct Step {
    const char* button;  // "answer", "right", "wrong", "new"
    bool answer, praise;  // shown afterwards
};

class MagnetsStates : public QuestionTest, public ::testing::WithParamInterface<std::vector<Step>> {};

TEST_P(MagnetsStates, EachPressMovesTheTextsAsAPupilExpects) {
    magnets& pairs = open<magnets>(2);  // repel
    for (const Step& step : GetParam()) {
        SCOPED_TRACE(step.button);
        const std::string button = step.button;
        if (button == "answer") click(pairs.Label3[QuestionScreen::answerButton]);
        if (button == "right") click(pairs.Label4[magnets::repel]);
        if (button == "wrong") click(pairs.Label4[magnets::attract]);
        if (button == "new") {
            scriptQuestion(2, 8);
            click(pairs.Label3[QuestionScreen::newQuestionButton]);
        }
        EXPECT_EQ(answerShown(pairs), step.answer);
        EXPECT_EQ(praiseShown(pairs), step.praise);
    }
}
INSTANTIATE_TEST_SUITE_P(Sequences, MagnetsStates, ::testing::Values(
    std::vector<Step>{{"answer", true, false}, {"answer", true, false}, {"right", true, true}, {"new", false, false}},
    std::vector<Step>{{"wrong", true, false}, {"right", true, true}, {"wrong", true, false}},
    std::vector<Step>{{"right", false, true}, {"right", false, true}, {"wrong", true, false}, {"new", false, false}},
    std::vector<Step>{{"new", false, false}, {"answer", true, false}}),
    [](const auto& info) { return "Sequence" + std::to_string(info.index); });

TEST_F(QuestionTest, WideAndCompactSlotsSwapCleanlyBetweenQuestions) {
    magnets& pairs = open<magnets>(7);
    EXPECT_EQ(shownPicture(pairs), &pairs.Image1[1]);
    EXPECT_EQ(pairs.Image1[1].Left, 3360);
    EXPECT_EQ(pairs.Image1[1].Top, 1800);
    scriptQuestion(0, 8);
    click(pairs.Label3[QuestionScreen::newQuestionButton]);
    EXPECT_EQ(shownPicture(pairs), &pairs.Image1[0]) << "the compact picture was hidden";
    EXPECT_EQ(pairs.Image1[0].Left, 0);
    EXPECT_EQ(pairs.Image1[0].Top, 2400);
}

// ---- Sections, Exit and the menu ----

TEST_F(QuestionTest, SectionsSwitchBothWaysWithAFreshQuestionAndExitUncoversTheMenu) {
    scriptQuestion(0, 8);
    runtime.dispatch([] { form<menu3>().Show(); });
    menu3& menu = runtime.form<menu3>();
    click(menu.Label3[1]);  // "Repel or Attract?"
    ASSERT_EQ(shownScreens(), "menu3 magnets");
    magnets& pairs = runtime.form<magnets>();
    click(pairs.Label3[QuestionScreen::answerButton]);

    scriptQuestion(6, 8);
    click(pairs.Label3[QuestionScreen::sectionButton]);
    EXPECT_EQ(shownScreens(), "menu3 magnets2");
    EXPECT_FALSE(runtime.isLoaded<magnets>());
    magnets2& materials = runtime.form<magnets2>();
    EXPECT_EQ(materials.questionNumber(), 6);
    EXPECT_FALSE(answerShown(materials));
    EXPECT_FALSE(praiseShown(materials));
    EXPECT_EQ(materials.Label3[QuestionScreen::sectionButton].Caption, "Section 1");
    click(materials.Label3[QuestionScreen::answerButton]);

    scriptQuestion(3, 8);
    click(materials.Label3[QuestionScreen::sectionButton]);
    EXPECT_EQ(shownScreens(), "menu3 magnets");
    magnets& again = runtime.form<magnets>();
    EXPECT_EQ(again.questionNumber(), 3);
    EXPECT_FALSE(answerShown(again));

    click(again.Label3[QuestionScreen::exitButton]);
    EXPECT_EQ(shownScreens(), "menu3");
    EXPECT_EQ(loadedScreens(), "menu3 intro0");
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(QuestionTest, ExitClosesBothSectionsWhicheverIsInFront) {
    for (bool fromSection2 : {true, false}) {
        magnets2& materials = open<magnets2>(1);
        magnets& pairs = open<magnets>(1);
        click(fromSection2 ? materials.Label3[QuestionScreen::exitButton] : pairs.Label3[QuestionScreen::exitButton]);
        EXPECT_EQ(loadedScreens(), "") << fromSection2;
    }
}

TEST_F(QuestionTest, NewtonMeterOpensFromMenu1AndExitLeavesTheMenuInFront) {
    runtime.dispatch([] { form<menu1>().Show(); });
    menu1& menu = runtime.form<menu1>();
    for (int i = 0; i < 5; ++i) EXPECT_EQ(menu.Label3[i].Enabled, i == 4) << menu.Label3[i].Caption;
    scriptQuestion(6, 10);
    click(menu.Label3[4]);
    ASSERT_EQ(shownScreens(), "menu1 newtonmeter");
    click(runtime.form<newtonmeter>().Label3[QuestionScreen::exitButton]);
    EXPECT_EQ(shownScreens(), "menu1");
}

// ---- Hover ----

TEST_F(QuestionTest, ButtonsStartAsBoxesClearOverTheBackgroundAndHighlightEachOnItsOwn) {
    magnets& pairs = open<magnets>(0);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pairs.Label3[i].BackStyle, backStyle::opaque) << i;
    moveTo(pairs, 11800, 7000);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pairs.Label3[i].BackStyle, backStyle::transparent) << i;
    hover(pairs.Label3[3]);
    hover(pairs.Label3[0]);
    hover(pairs.Label4[1]);
    hover(pairs.Label5[QuestionScreen::questionText]);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(pairs.Label3[i].BackStyle, i == 0 || i == 3 ? 1 : 0) << i;
    EXPECT_EQ(pairs.Label4[1].BackStyle, backStyle::opaque) << "choices keep their blue box";
}

// ---- A picture that cannot be read ----

TEST_F(QuestionTest, AnUnreadablePictureIsReportedByNameAndNeverPairedWithAnotherAnswer) {
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "Images" / "magmetal4.bmp");
    platform.folder = copy.path();
    magnets2& materials = open<magnets2>(1);
    scriptQuestion(6, 8);
    EXPECT_THROW(materials.calculate(), RuntimeError);
    EXPECT_EQ(materials.correctChoice(), magnets2::attractive) << "still the iron question";
    EXPECT_EQ(materials.Label5[QuestionScreen::questionText].Caption,
              "What force will there be between a magnet and a sheet of iron?");
    EXPECT_EQ(materials.Label5[QuestionScreen::answerText].Caption, "There will be an attractive force.");

    scriptQuestion(6, 8);
    click(materials.Label3[QuestionScreen::newQuestionButton]);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("Images\\magmetal4.bmp"), std::string::npos);
    EXPECT_EQ(runtime.exitStatus(), 1);
    EXPECT_EQ(loadedScreens(), "") << "the program ends";
}

TEST_F(QuestionTest, AMeterPictureThatFailsAtLoadStopsTheProgramWithoutAScreen) {
    ProgramFolderCopy copy;
    copy.write("newton/newton03.bmp", "BM truncated");
    platform.folder = copy.path();
    scriptQuestion(2, 10);
    runtime.dispatch([] { form<newtonmeter>().Show(); });
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("newton\\newton03.bmp"), std::string::npos);
    EXPECT_FALSE(runtime.isLoaded<newtonmeter>());
    EXPECT_EQ(runtime.exitStatus(), 1);
}

}  // namespace
}  // namespace lumenary::testing
