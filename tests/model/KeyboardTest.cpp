#include "ScreenTest.h"
#include "activities/labelling/phaseslab.h"
#include "activities/questions/newtonmeter.h"
#include "menus/TopicMenus.h"

#include <algorithm>

namespace lumenary::testing {
namespace {

std::string nameOf(const Control* c) {
    if (!c) return "none";
    return c->Index() >= 0 ? c->name() + "(" + std::to_string(c->Index()) + ")" : c->name();
}

class KeyboardTest : public ScreenTest {
protected:
    void keys(Form& form, std::initializer_list<Key> pressed) {
        for (Key key : pressed) runtime.dispatch([&] { form.keyPress(key); });
    }
    void tabTo(const Control& control) {
        Form& form = control.form();
        for (int i = 0; i < 30 && form.focused() != &control; ++i) keys(form, {Key::Tab});
        ASSERT_EQ(form.focused(), &control) << nameOf(&control) << " is never reached by Tab";
    }
};

struct Walk {
    const char* name;
    Form& (*open)();
    const char* tabStops;  // in order from the focus the screen starts with
};
const Walk walks[] = {
    {"MoonScreenNamesThenButtons", shown<phaseslab>,
     "Label2(5) Label2(3) Label2(4) Label2(1) Label2(7) Label2(2) Label2(0) Label2(6) Label3(1) Label3(0)"},
    {"TopicMenuRowByRowPastGreyedLessons", shown<menu2>,
     "Label2(0) Label2(1) Label3(2) Label2(2) Label3(3) Label2(3) Label2(4) Command1"},
    {"NewtonMeterButtons", shown<newtonmeter>, "Label3(1) Label3(2) Label3(0)"},
};

class TabWalk : public KeyboardTest, public ::testing::WithParamInterface<Walk> {};
INSTANTIATE_TEST_SUITE_P(Screens, TabWalk, ::testing::ValuesIn(walks), [](const auto& info) { return info.param.name; });

TEST_P(TabWalk, TabReadsTheUsableControlsRowByRowAndShiftTabReadsThemBack) {
    platform.draws.push_back(0.5f);  // a question screen draws at load
    Form* screen = nullptr;
    runtime.dispatch([&] { screen = &GetParam().open(); });
    ASSERT_TRUE(screen);
    const std::string stops = GetParam().tabStops + std::string(" ");
    const auto count = std::ranges::count(stops, ' ');
    std::string forth, back;
    for (auto i = count; i > 0; --i) keys(*screen, {Key::Tab}), forth += nameOf(screen->focused()) + " ";
    for (auto i = count; i > 0; --i) back = nameOf(screen->focused()) + " " + back, keys(*screen, {Key::BackTab});
    EXPECT_EQ(forth, stops);
    EXPECT_EQ(back, stops) << "Shift+Tab walks the same round backwards";
}

struct Round {
    const char* name;
    std::vector<int> targetOf;  // the target each name label is carried to
    const char* score;
};
const Round rounds[] = {
    {"EachOnItsOwnTarget", {0, 1, 2, 3, 4, 5, 6, 7}, "8 out of 8 correct"},
    {"TwoSwapped", {3, 1, 2, 0, 4, 5, 6, 7}, "6 out of 8 correct"},
};

class KeyboardRound : public KeyboardTest, public ::testing::WithParamInterface<Round> {
protected:
    phaseslab& s = open<phaseslab>();

    // Picks the label up, carries it with the right arrow until it stands on the target, puts it down.
    void carry(Label& label, const Label& target) {
        tabTo(label);
        keys(s, {Key::Enter});
        for (int i = 0; i <= s.itemCount() && (label.Left != target.Left || label.Top != target.Top); ++i) keys(s, {Key::Right});
        ASSERT_EQ(std::pair(label.Left, label.Top), std::pair(target.Left, target.Top)) << nameOf(&label) << " never reached " << nameOf(&target);
        keys(s, {Key::Space});
    }
};
INSTANTIATE_TEST_SUITE_P(Moon, KeyboardRound, ::testing::ValuesIn(rounds), [](const auto& info) { return info.param.name; });

TEST_P(KeyboardRound, CarryingEveryNameByKeyboardIsScoredAsDroppingItThere) {
    for (int i = 0; i < s.itemCount(); ++i) carry(s.Label2[i], s.Label1[GetParam().targetOf[i]]);
    tabTo(s.Label3[LabellingScreen::checkScoreButton]);  // shown by the drops' completion check
    keys(s, {Key::Enter});
    EXPECT_EQ(s.Label5.Caption, GetParam().score);
    EXPECT_TRUE(s.Label5.Visible);
}

TEST_F(KeyboardTest, EscapePutsACarriedLabelBackWhereItWasPickedUpAndTheHomeBoxIsTheLastStop) {
    phaseslab& s = open<phaseslab>();
    Label& label = s.Label2[0];
    const auto at = [&] { return std::pair(label.Left, label.Top); };
    const auto home = at();
    EXPECT_FALSE(s.keyPress(Key::Escape)) << "nothing carried: Escape is the window's";
    tabTo(label);
    keys(s, {Key::Enter, Key::Right, Key::Right, Key::Tab});
    EXPECT_EQ(s.focused(), &label) << "the focus stays with the label it carries";
    EXPECT_TRUE(s.keyPress(Key::Escape));
    EXPECT_EQ(at(), home);
    keys(s, {Key::Enter, Key::Down, Key::Enter});
    const auto onTarget = at();
    EXPECT_EQ(onTarget, std::pair(s.Label1[7].Left, s.Label1[7].Top)) << "the first stop is the top left target";
    keys(s, {Key::Enter, Key::Up, Key::Up, Key::Escape});
    EXPECT_EQ(at(), onTarget) << "back on the target it was taken from";
    keys(s, {Key::Enter, Key::Left, Key::Enter});
    EXPECT_EQ(at(), home) << "from where it was picked up, back goes to its home box";
    keys(s, {Key::Enter, Key::Right});
    press(s, 100, 100);
    release(s, 100, 100);
    EXPECT_EQ(at(), home) << "a mouse press puts a carried label back";
    EXPECT_FALSE(s.isCarrying());
    const Label& front = s.Label2[7];
    press(s, front.Left + 1, front.Top + 1);
    const Twips middleX = home.first + front.Width / 2, middleY = home.second + front.Height / 2;
    moveTo(s, middleX, middleY, mouse::left);
    release(s, middleX, middleY);
    ASSERT_EQ(std::pair(front.Left, front.Top), home);
    keys(s, {Key::Enter, Key::Right});
    EXPECT_NE(at(), home) << "the focused label is carried, though another lies in front of it";
}

}  // namespace
}  // namespace lumenary::testing
