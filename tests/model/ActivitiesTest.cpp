#include "ScreenTest.h"

#include <algorithm>
#include <filesystem>

namespace lumenary::testing {
namespace {

// What each board looks like as it opens is in its layout record; here, what it does.
struct Board { const char* name; ScreenName<LabellingScreen> screen; int count; };
const Board boards[] = {{"Moon", phaseslab, 8}, {"Planets", weatherlab, 9}};

class Labelling : public ScreenTest, public ::testing::WithParamInterface<Board> {
protected:
    LabellingScreen& s = open(GetParam().screen);
    const int n = GetParam().count;

    static std::pair<Twips, Twips> at(const Label& label) { return {label.Left, label.Top}; }
    bool checkScoreShown() const { return s.Label3[LabellingScreen::checkScoreButton].Visible; }
    std::string score() { return click(s.Label3[LabellingScreen::checkScoreButton]), s.Label5.Visible ? s.Label5.Caption : "hidden"; }
};
INSTANTIATE_TEST_SUITE_P(Boards, Labelling, ::testing::ValuesIn(boards), [](const auto& info) { return info.param.name; });

TEST_P(Labelling, TheLeftButtonDragsTheLabelCentredUnderThePointerAndAnyReleaseDrops) {
    Label& label = s.Label2[n - 1];
    const auto home = at(label);
    press(s, label.Left + 10, label.Top + 10, mouse::right);
    moveTo(s, 5000, 4000, mouse::right);
    EXPECT_EQ(at(label), home) << "the right button does not drag";
    press(s, 5000, 4000, mouse::left);
    moveTo(s, 5100, 4100, mouse::left | mouse::right);
    EXPECT_EQ(at(label), home) << "nor two buttons together";
    release(s, 5000, 4000, mouse::right);
    moveTo(s, 11500, 600, mouse::left);  // far outside the label, which still has the mouse
    EXPECT_EQ(at(label), std::pair(11500 - label.Width / 2, 600 - label.Height / 2));
    release(s, 11500, 600);
    EXPECT_EQ(at(label), std::pair(11500 - label.Width / 2, 600 - label.Height / 2)) << "no box is near";
    label.Left = home.first + 200, label.Top = home.second + 100;
    press(s, label.Left + 10, label.Top + 10, mouse::right);
    release(s, label.Left + 10, label.Top + 10, mouse::right);
    EXPECT_EQ(at(label), home) << "a right-button release snaps it home";
}

TEST_P(Labelling, ABoxCapturesALabelWithinStrictBoundsHalfABoxUpAndLeftToItsFarEdges) {
    Label& box = s.Label1[0];
    box.Left = 5000, box.Top = 500;  // clear of every other box's reach
    Label& label = s.Label2[n - 1];
    const Twips w = box.Width, h = box.Height;
    const std::pair<Twips, Twips> bounds[] = {{5000 - w / 2, 500}, {5000 + w, 500}, {5000, 500 - h / 2}, {5000, 500 + h}};
    const std::pair<Twips, Twips> inward[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
    for (int b = 0; b < 4; ++b) {
        const auto [x, y] = bounds[b];
        dropAt(label, x, y);
        EXPECT_EQ(at(label), bounds[b]) << "the bound itself is outside, bound " << b;
        dropAt(label, x + inward[b].first, y + inward[b].second);
        EXPECT_EQ(at(label), std::pair(5000.0f, 500.0f)) << "a twip inside, bound " << b;
    }
}

TEST_P(Labelling, CheckScoreAppearsWhenEveryLabelIsOnATargetAndCountsThoseOnTheirOwn) {
    for (int i = 0; i < n; ++i) {
        EXPECT_FALSE(checkScoreShown()) << i;
        dropOn(s.Label2[i], s.Label1[(i + 1) % n]);
    }
    EXPECT_EQ(score(), "0 out of " + std::to_string(n) + " correct");
    for (int i = 0; i < n - 1; ++i) dropOn(s.Label2[i], s.Label1[i]);
    dropOn(s.Label2[n - 1], s.Label1[n - 2]);
    EXPECT_EQ(score(), std::to_string(n - 1) + " out of " + std::to_string(n) + " correct") << "two on one target still count";
    dropAt(s.Label2[n - 1], 5000, 8300);
    EXPECT_TRUE(checkScoreShown()) << "Check Score stays once shown";
    EXPECT_EQ(s.Label5.Caption, std::to_string(n - 1) + " out of " + std::to_string(n) + " correct");
    dropOn(s.Label2[n - 1], s.Label1[n - 1]);
    EXPECT_EQ(score(), std::to_string(n) + " out of " + std::to_string(n) + " correct");
    click(s.Label3[LabellingScreen::startAgainButton]);
    EXPECT_FALSE(s.Label5.Visible || checkScoreShown());
    for (int i = 0; i < n; ++i) EXPECT_EQ(at(s.Label2[i]), at(s.Label4[i])) << "home again " << i;
    for (int i = 0; i < n - 1; ++i) dropOn(s.Label2[i], s.Label1[i]);
    dropOn(s.Label2[n - 1], s.Label4[0]);
    EXPECT_FALSE(checkScoreShown()) << "a label in a home box is not on a target";
    dropOn(s.Label2[n - 1], s.Label1[0]);
    EXPECT_TRUE(checkScoreShown()) << "two labels on one target complete the board";
    click(s.Label3[LabellingScreen::exitButton]);
    EXPECT_EQ(loadedScreens(), "");
    EXPECT_TRUE(platform.errors.empty());
}

// How the keyboard carries, puts back and lets the mouse take over is the runtime's; here, the stops.
TEST_F(ScreenTest, ALabelsKeyboardStopsAreTheTargetsInReadingOrderThenItsHomeBox) {
    LabellingScreen& s = open(phaseslab);
    Label& label = s.Label2[0];
    const auto at = [&] { return std::pair(label.Left, label.Top); };
    const auto home = at();
    for (int i = 0; i < 30 && s.focused() != &label; ++i) s.keyPress(Key::Tab);
    ASSERT_EQ(s.focused(), &label) << "Tab reaches the label";
    for (Key key : {Key::Enter, Key::Down, Key::Enter}) s.keyPress(key);
    EXPECT_EQ(at(), std::pair(s.Label1[7].Left, s.Label1[7].Top)) << "the first stop is the top left target";
    for (Key key : {Key::Enter, Key::Right, Key::Right, Key::Enter}) s.keyPress(key);
    EXPECT_EQ(at(), std::pair(s.Label1[0].Left, s.Label1[0].Top)) << "then the next one along";
    for (Key key : {Key::Enter, Key::Left, Key::Enter}) s.keyPress(key);
    EXPECT_EQ(at(), home) << "back from where it was picked up goes to its home box";
}

class QuestionTest : public ScreenTest {
protected:
    // The clock-seeded draw that picks question `n` of `count`.
    void scriptQuestion(int n, int count = 8) { platform.draws.push_back((n + 0.5f) / count); }
    QuestionScreen& open(ScreenName<QuestionScreen> named, int question, int count = 8) { return scriptQuestion(question, count), ScreenTest::open(named); }
    void newQuestion(QuestionScreen& s, int question, int count = 8) { scriptQuestion(question, count), click(s.Label3[QuestionScreen::newQuestionButton]); }
    static bool answerShown(const QuestionScreen& s) { return s.Label5[QuestionScreen::answerText].Visible; }
    static bool praiseShown(const QuestionScreen& s) { return s.Label5[QuestionScreen::praiseText].Visible; }
    // The one picture showing; the test fails if there is not exactly one.
    static const Image& shownPicture(const QuestionScreen& s) {
        const bool first = s.Image1.exists(0) && s.Image1[0].Visible, second = s.Image1.exists(1) && s.Image1[1].Visible;
        if (first == second) throw std::logic_error("not exactly one picture shows");
        return s.Image1[first ? 0 : 1];
    }
};

class NewtonMeterWeights : public QuestionTest, public ::testing::WithParamInterface<int> {};

TEST_P(NewtonMeterWeights, EachWeightShowsItsOwnMeterAtItsSizeAndAnswerOnlyOnAnswer) {
    const int weight = GetParam();
    QuestionScreen& meter = open(newtonmeter, weight - 1, 10);
    EXPECT_EQ(shownPicture(meter).picture().sourcePath(), "newton\\newton" + std::string(weight < 10 ? "0" : "") + std::to_string(weight) + ".bmp");
    EXPECT_EQ(std::tuple(meter.Label5[QuestionScreen::answerText].Caption, answerShown(meter)),
              std::tuple(std::to_string(weight) + (weight == 1 ? " Newton" : " Newtons"), false));
    click(meter.Label3[QuestionScreen::answerButton]);
    click(meter.Label3[QuestionScreen::answerButton]);
    EXPECT_TRUE(answerShown(meter));
    newQuestion(meter, 10 - weight, 10);
    EXPECT_EQ(std::tuple(answerShown(meter), meter.questionNumber() + 1), std::tuple(false, 11 - weight));
    EXPECT_EQ(platform.reseeds, 2) << "reseeded from the clock before every draw";
}
INSTANTIATE_TEST_SUITE_P(OneToTen, NewtonMeterWeights, ::testing::Range(1, 11), [](const auto& info) { return std::to_string(info.param); });

// Section 2 is the materials; the caption is section 2's question (section 1's never changes); right is the right choice.
struct MagnetsRow { bool materials; int question; const char* picture; int slot; const char* caption; int right; const char* answer; };

const char* const attract = "The magnets will attract each other.";
const char* const repel = "The magnets will repel each other.";
const char* const attractive = "There will be an attractive force.";
const char* const noForce = "There will be no force between them.";
const char* const pairs = "Will the magnets attract each other, repel each other or will there be no force between them?";

// clang-format off
const MagnetsRow magnetsRows[] = {
    {false, 0, "Images\\magnets1.bmp", 0, pairs, 0, attract}, {false, 1, "Images\\magnets2.bmp", 0, pairs, 0, attract},
    {false, 2, "Images\\magnets3.bmp", 0, pairs, 1, repel},   {false, 3, "Images\\magnets4.bmp", 0, pairs, 1, repel},
    {false, 4, "Images\\magnets5.bmp", 1, pairs, 1, repel},   {false, 5, "Images\\magnets6.bmp", 1, pairs, 1, repel},
    {false, 6, "Images\\magnets7.bmp", 1, pairs, 0, attract}, {false, 7, "Images\\magnets8.bmp", 1, pairs, 0, attract},
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
    QuestionScreen& screen = row.materials ? static_cast<QuestionScreen&>(open(magnets2, 7)) : open(magnets, 7);
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

// The four buttons (black boxes as they open) clear together over the bare background, and light up
// one by one under the pointer; the choices keep their blue boxes throughout.
TEST_F(QuestionTest, ButtonsHighlightUnderThePointerAndClearOverTheBackground) {
    QuestionScreen& screen = open(magnets, 0);
    const auto boxes = [&] {
        std::string shown;
        for (int i = 0; i < 4; ++i) shown += std::to_string(screen.Label3[i].BackStyle);
        for (int i = 0; i < 3; ++i) shown += std::to_string(screen.Label4[i].BackStyle);
        return shown;
    };
    moveTo(screen, 11800, 7000);
    EXPECT_EQ(boxes(), "0000111");
    for (const Control* over : std::initializer_list<const Control*>{&screen.Label3[3], &screen.Label3[0], &screen.Label4[1], &screen.Image1[0]})
        hover(*over);
    EXPECT_EQ(boxes(), "1001111");
}

TEST_F(QuestionTest, SectionsSwitchBothWaysWithAFreshQuestionAndExitFromEitherClosesBoth) {
    QuestionScreen& first = open(magnets, 0);
    click(first.Label3[QuestionScreen::answerButton]);
    scriptQuestion(6);
    click(first.Label3[QuestionScreen::sectionButton]);
    ASSERT_EQ(loadedScreens(), "magnets2");
    QuestionScreen& second = screen(magnets2);
    EXPECT_EQ(std::tuple(second.questionNumber(), answerShown(second) || praiseShown(second), second.Label3[QuestionScreen::sectionButton].Caption),
              std::tuple(6, false, "Section 1"));
    click(second.Label3[QuestionScreen::answerButton]);
    scriptQuestion(3);
    click(second.Label3[QuestionScreen::sectionButton]);
    ASSERT_EQ(loadedScreens(), "magnets");
    QuestionScreen& again = screen(magnets);
    EXPECT_EQ(std::tuple(again.questionNumber(), answerShown(again) || praiseShown(again)), std::tuple(3, false));
    for (ScreenName<QuestionScreen> leaving : {magnets2, magnets}) {
        platform.draws.assign(2, 0.5f);
        ScreenTest::open(magnets), ScreenTest::open(magnets2);
        click(screen(leaving).Label3[QuestionScreen::exitButton]);
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
    QuestionScreen& materials = open(magnets2, 1);
    scriptQuestion(6);
    EXPECT_THROW(materials.calculate(), RuntimeError);
    EXPECT_EQ(std::tuple(materials.correctChoice(), materials.Label5[QuestionScreen::questionText].Caption, materials.Label5[QuestionScreen::answerText].Caption),
              std::tuple(magnetChoice::attractive, magnetsRows[9].caption, attractive));

    newQuestion(materials, 6);
    EXPECT_EQ(platform.errors, std::vector<std::string>{"Cannot load picture \"Images\\magmetal4.bmp\": the file does not exist"});
}

}  // namespace
}  // namespace lumenary::testing
