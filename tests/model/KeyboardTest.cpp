#include "ScreenTest.h"
#include "activities/labelling/phaseslab.h"

namespace lumenary::testing {
namespace {

class KeyboardTest : public ScreenTest {
protected:
    void keys(Form& form, std::initializer_list<Key> pressed) {
        for (Key key : pressed) runtime.dispatch([&] { form.keyPress(key); });
    }
    void tabTo(const Control& control) {
        Form& form = control.form();
        for (int i = 0; i < 30 && form.focused() != &control; ++i) keys(form, {Key::Tab});
        ASSERT_EQ(form.focused(), &control) << control.name() << " is never reached by Tab";
    }
};

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
    EXPECT_EQ(std::tuple(at(), s.isCarrying()), std::tuple(home, false)) << "a mouse press puts a carried label back";
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
