#include "ScreenTest.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "menus/TopicMenus.h"
#include "runtime/RuntimeError.h"

#include <filesystem>

namespace lumenary::testing {
namespace {

class QuestionTest : public ScreenTest {
protected:
    // The clock-seeded draw that picks question `n` of `count`.
    void scriptQuestion(int n, int count = 8) { platform.draws.push_back((n + 0.5f) / count); }
    template <class Screen>
    Screen& open(int question, int count = 8) {
        scriptQuestion(question, count);
        return ScreenTest::open<Screen>();
    }
    void newQuestion(QuestionScreen& s, int question, int count = 8) {
        scriptQuestion(question, count);
        click(s.Label3[QuestionScreen::newQuestionButton]);
    }
    static bool answerShown(const QuestionScreen& s) { return s.Label5[QuestionScreen::answerText].Visible; }
    static bool praiseShown(const QuestionScreen& s) { return s.Label5[QuestionScreen::praiseText].Visible; }
    // The one picture showing; the test fails if there is not exactly one.
    static const Image& shownPicture(const QuestionScreen& s) {
        const bool first = s.Image1.exists(0) && s.Image1[0].Visible, second = s.Image1.exists(1) && s.Image1[1].Visible;
        if (first == second) throw std::logic_error("not exactly one picture shows");
        return s.Image1[first ? 0 : 1];
    }
};

struct Reading {
    int weight;
    const char* picture;
    const char* answer;
};
// clang-format off
const Reading readings[] = {
    {1, "newton\\newton01.bmp", "1 Newton"},  {2, "newton\\newton02.bmp", "2 Newtons"}, {3, "newton\\newton03.bmp", "3 Newtons"},
    {4, "newton\\newton04.bmp", "4 Newtons"}, {5, "newton\\newton05.bmp", "5 Newtons"}, {6, "newton\\newton06.bmp", "6 Newtons"},
    {7, "newton\\newton07.bmp", "7 Newtons"}, {8, "newton\\newton08.bmp", "8 Newtons"}, {9, "newton\\newton09.bmp", "9 Newtons"},
    {10, "newton\\newton10.bmp", "10 Newtons"},
};
// clang-format on

class NewtonMeterWeights : public QuestionTest, public ::testing::WithParamInterface<Reading> {};

TEST_P(NewtonMeterWeights, EachWeightShowsItsOwnMeterAtItsSizeAndAnswerOnlyOnAnswer) {
    const int weight = GetParam().weight;
    newtonmeter& meter = open<newtonmeter>(weight - 1, 10);
    const Image& picture = shownPicture(meter);
    EXPECT_EQ(picture.picture().sourcePath(), GetParam().picture);
    EXPECT_EQ(std::tuple(picture.Left, picture.Top, picture.Width, picture.Height), std::tuple(1200, 120, 2115, 7200));
    EXPECT_EQ(std::tuple(meter.Label5[QuestionScreen::answerText].Caption, answerShown(meter)), std::tuple(std::string(GetParam().answer), false));
    click(meter.Label3[QuestionScreen::answerButton]);
    click(meter.Label3[QuestionScreen::answerButton]);
    EXPECT_TRUE(answerShown(meter));
    newQuestion(meter, 10 - weight, 10);
    EXPECT_EQ(std::tuple(answerShown(meter), meter.weight()), std::tuple(false, 11 - weight));
    EXPECT_EQ(platform.reseeds, 2) << "reseeded from the clock before every draw";
}
INSTANTIATE_TEST_SUITE_P(OneToTen, NewtonMeterWeights, ::testing::ValuesIn(readings),
                         [](const auto& info) { return std::to_string(info.param.weight); });

struct MagnetsRow {
    bool materials;  // section 2
    int question;
    const char* picture;
    int slot;
    const char* caption;  // section 2's question; section 1's never changes
    int right;            // the choice that is right
    const char* answer;
};

const char* const attract = "The magnets will attract each other.";
const char* const repel = "The magnets will repel each other.";
const char* const attractive = "There will be an attractive force.";
const char* const noForce = "There will be no force between them.";
const char* const pairs = "Will the magnets attract each other, repel each other or will there be no force between them?";

// clang-format off
const MagnetsRow magnetsRows[] = {
    {false, 0, "Images\\magnets1.bmp", 0, pairs, 0, attract},
    {false, 1, "Images\\magnets2.bmp", 0, pairs, 0, attract},
    {false, 2, "Images\\magnets3.bmp", 0, pairs, 1, repel},
    {false, 3, "Images\\magnets4.bmp", 0, pairs, 1, repel},
    {false, 4, "Images\\magnets5.bmp", 1, pairs, 1, repel},
    {false, 5, "Images\\magnets6.bmp", 1, pairs, 1, repel},
    {false, 6, "Images\\magnets7.bmp", 1, pairs, 0, attract},
    {false, 7, "Images\\magnets8.bmp", 1, pairs, 0, attract},
    {true, 0, "Images\\magmetal1.bmp", 1, "What force will there be between a magnet and a sheet of copper?",    2, noForce},
    {true, 1, "Images\\magmetal2.bmp", 1, "What force will there be between a magnet and a sheet of iron?",      0, attractive},
    {true, 2, "Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of steel?",     0, attractive},
    {true, 3, "Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of nickel?",    0, attractive},
    {true, 4, "Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of cobalt?",    0, attractive},
    {true, 5, "Images\\magmetal3.bmp", 1, "What force will there be between a magnet and a sheet of aluminium?", 2, noForce},
    {true, 6, "Images\\magmetal4.bmp", 1, "What force will there be between a magnet and a piece of plastic?",   2, noForce},
    {true, 7, "Images\\magmetal5.bmp", 1, "What force will there be between a magnet and a glass mirror?",       2, noForce},
};
// clang-format on

class MagnetsQuestions : public QuestionTest, public ::testing::WithParamInterface<MagnetsRow> {};

// Every question of both sections, drawn after the other section's question 7 so that nothing
// carries over, and every choice judged: the right one praises, any other reveals the answer.
TEST_P(MagnetsQuestions, ShowItsPictureAndQuestionAndJudgeEveryChoice) {
    const MagnetsRow& row = GetParam();
    QuestionScreen& screen = row.materials ? static_cast<QuestionScreen&>(open<magnets2>(7)) : open<magnets>(7);
    EXPECT_EQ(screen.Label4[1].Caption, row.materials ? "Repulsive" : "Repel");
    for (int choice = 0; choice < 3; ++choice) {
        SCOPED_TRACE(screen.Label4[choice].Caption);
        newQuestion(screen, row.question);
        EXPECT_EQ(screen.Caption, "Repel or Attract?");
        EXPECT_EQ(&shownPicture(screen), &screen.Image1[row.slot]);
        EXPECT_EQ(shownPicture(screen).picture().sourcePath(), row.picture);
        EXPECT_EQ(screen.Label5[QuestionScreen::questionText].Caption, row.caption);
        EXPECT_EQ(screen.Label5[QuestionScreen::answerText].Caption, row.answer);
        EXPECT_FALSE(answerShown(screen) || praiseShown(screen));
        click(screen.Label4[choice]);
        EXPECT_EQ(std::tuple(praiseShown(screen), answerShown(screen)), std::tuple(choice == row.right, choice != row.right));
    }
}
INSTANTIATE_TEST_SUITE_P(BothSections, MagnetsQuestions, ::testing::ValuesIn(magnetsRows), [](const auto& info) {
    return std::string(info.param.materials ? "Materials" : "Pairs") + std::to_string(info.param.question);
});

// The four buttons start as black boxes, clear together over the bare background, and light up
// one by one under the pointer; the choices keep their blue boxes throughout.
TEST_F(QuestionTest, ButtonsHighlightUnderThePointerAndClearOverTheBackground) {
    magnets& screen = open<magnets>(0);
    const auto boxes = [&] {
        std::string shown;
        for (int i = 0; i < 4; ++i) shown += std::to_string(screen.Label3[i].BackStyle);
        for (int i = 0; i < 3; ++i) shown += std::to_string(screen.Label4[i].BackStyle);
        return shown;
    };
    EXPECT_EQ(boxes(), "1111111");
    moveTo(screen, 11800, 7000);
    EXPECT_EQ(boxes(), "0000111");
    for (const Control* over : std::initializer_list<const Control*>{&screen.Label3[3], &screen.Label3[0], &screen.Label4[1], &screen.Image1[0]})
        hover(*over);
    EXPECT_EQ(boxes(), "1001111");
}

TEST_F(QuestionTest, SectionsSwitchBothWaysWithAFreshQuestionAndExitFromEitherClosesBoth) {
    for (bool exitFromSection2 : {true, false}) {
        magnets& first = open<magnets>(0);
        click(first.Label3[QuestionScreen::answerButton]);
        scriptQuestion(6);
        click(first.Label3[QuestionScreen::sectionButton]);
        ASSERT_EQ(loadedScreens(), "magnets2");
        magnets2& second = runtime.form<magnets2>();
        EXPECT_EQ(std::tuple(second.questionNumber(), answerShown(second) || praiseShown(second), second.Label3[QuestionScreen::sectionButton].Caption),
                  std::tuple(6, false, "Section 1"));
        click(second.Label3[QuestionScreen::answerButton]);
        scriptQuestion(3);
        click(second.Label3[QuestionScreen::sectionButton]);
        ASSERT_EQ(loadedScreens(), "magnets");
        magnets& again = runtime.form<magnets>();
        EXPECT_EQ(std::tuple(again.questionNumber(), answerShown(again) || praiseShown(again)), std::tuple(3, false));
        if (exitFromSection2) open<magnets2>(1);
        QuestionScreen& leaving = exitFromSection2 ? static_cast<QuestionScreen&>(runtime.form<magnets2>()) : again;
        click(leaving.Label3[QuestionScreen::exitButton]);
        EXPECT_EQ(loadedScreens(), "") << "both sections closed";
    }
    EXPECT_TRUE(platform.errors.empty());
}

// A picture that cannot be read stops the draw before the question, the right choice or the
// answer change, so no picture is ever paired with another question's answer; the program
// reports it by name and ends.
TEST_F(QuestionTest, AnUnreadablePictureIsReportedByNameAndNeverPairedWithAnotherAnswer) {
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "Images" / "magmetal4.bmp");
    platform.folder = copy.path();
    magnets2& materials = open<magnets2>(1);
    scriptQuestion(6);
    EXPECT_THROW(materials.calculate(), RuntimeError);
    EXPECT_EQ(std::tuple(materials.correctChoice(), materials.Label5[QuestionScreen::questionText].Caption, materials.Label5[QuestionScreen::answerText].Caption),
              std::tuple(magnets2::attractive, magnetsRows[9].caption, attractive));

    newQuestion(materials, 6);
    EXPECT_EQ(platform.errors, std::vector<std::string>{"Cannot load picture \"Images\\magmetal4.bmp\": the file does not exist"});
    EXPECT_EQ(std::tuple(runtime.exitStatus(), loadedScreens()), std::tuple(1, std::string())) << "the program ends";
}

}  // namespace
}  // namespace lumenary::testing
