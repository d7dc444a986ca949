#include "ScreenTest.h"
#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"

#include <algorithm>
#include <map>
#include <ranges>
#include <set>

namespace lumenary::testing {
namespace {

struct Board {
    const char* name;
    Form& (*open)();
    const char* caption;
    int count;
    // Which picture each name belongs by.
    std::map<std::string, std::string> pictureOf;
};
const Board boards[] = {
    {"Moon", shown<phaseslab>, "Phases of the Moon", 8,
     {{"New Moon", "phases0"}, {"Waxing Crescent", "phases1"}, {"First Quarter", "phases2"}, {"Waxing Gibbous", "phases3"},
      {"Full Moon", "phases4"}, {"Waning Gibbous", "phases5"}, {"Last Quarter", "phases6"}, {"Waning Crescent", "phases7"}}},
    {"Planets", shown<weatherlab>, "Ordering the Planets", 9,
     {{"Mercury", "mercury"}, {"Venus", "venus"}, {"Earth", "earth"}, {"Mars", "mars"}, {"Jupiter", "jupiter"}, {"Saturn", "saturn"},
      {"Uranus", "uranus"}, {"Neptune", "neptune"}, {"Pluto", "pluto"}}},
};

class Labelling : public ScreenTest, public ::testing::WithParamInterface<Board> {
protected:
    LabellingScreen& s = open();
    const int n = GetParam().count;

    LabellingScreen& open() {
        LabellingScreen* screen = nullptr;
        runtime.dispatch([&] { screen = &static_cast<LabellingScreen&>(GetParam().open()); });
        if (!screen) throw std::runtime_error("the screen did not open");
        return *screen;
    }
    static std::pair<Twips, Twips> at(const Label& label) { return {label.Left, label.Top}; }
    bool checkScoreShown() const { return s.Label3[LabellingScreen::checkScoreButton].Visible; }
    std::string score() {
        click(s.Label3[LabellingScreen::checkScoreButton]);
        return s.Label5.Visible ? s.Label5.Caption : "hidden";
    }
};
INSTANTIATE_TEST_SUITE_P(Boards, Labelling, ::testing::ValuesIn(boards), [](const auto& info) { return info.param.name; });

TEST_P(Labelling, OpensWithEveryNameAtHomeInFrontOfAllElseAndItsOwnTargetByItsPicture) {
    ASSERT_EQ(s.itemCount(), n);
    EXPECT_EQ(s.Caption, GetParam().caption);
    const std::vector<Control*> stack = s.everyControl();
    const auto position = [&](const Control& c) { return std::find(stack.begin(), stack.end(), &c) - stack.begin(); };
    std::set<std::string> names;
    for (int i = 0; i < n; ++i) {
        SCOPED_TRACE(i);
        names.insert(s.Label2[i].Caption);
        EXPECT_TRUE(s.Label2[i].Visible && s.Label4[i].Visible && s.Label1[i].Visible && s.Image1[i].Visible);
        EXPECT_EQ(std::tuple(at(s.Label4[i]), s.Label4[i].Height), std::tuple(at(s.Label2[i]), s.Label2[i].Height)) << "resting in its home box";
        EXPECT_EQ(std::tuple(s.Label1[i].Caption, s.Label1[i].BackStyle, s.Image1[i].picture().isEmpty()), std::tuple("", backStyle::transparent, false));
        for (const Control* behind : std::initializer_list<const Control*>{&s.Image1[i], &s.Label1[i], &s.Label4[i], &s.Label3[i % 3], &s.Label7})
            EXPECT_GT(position(s.Label2[i]), position(*behind)) << behind->name();
        EXPECT_GT(position(s.Label2[i]), i > 0 ? position(s.Label2[i - 1]) : -1) << "the higher index in front";
    }
    EXPECT_EQ(names.size(), std::size_t(n));
    EXPECT_FALSE(s.Label2.exists(n) || checkScoreShown() || s.Label5.Visible);
    EXPECT_TRUE(s.Label3[LabellingScreen::exitButton].Visible && s.Label3[LabellingScreen::startAgainButton].Visible && s.Label7.Visible);
    // The gap between two boxes, zero where they overlap.
    const auto gap = [](const Control& a, const Control& b) {
        return std::max({a.Left - (b.Left + b.Width), b.Left - (a.Left + a.Width), a.Top - (b.Top + b.Height), b.Top - (a.Top + a.Height), 0.0f});
    };
    for (int i = 0; i < n; ++i) {
        const Label& target = s.Label1[i];
        const auto nearest = std::ranges::min(std::views::iota(0, n), {}, [&](int p) { return gap(target, s.Image1[p]); });
        const std::string& file = s.Image1[nearest].picture().sourcePath();
        EXPECT_NE(file.find(GetParam().pictureOf.at(s.Label2[i].Caption)), std::string::npos) << s.Label2[i].Caption << " is by " << file;
    }
}

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

TEST_P(Labelling, APictureReplacedByOneOfAnotherSizeIsStretchedToItsBox) {
    const Image& first = s.Image1[0];
    const auto box = std::tuple(first.Left, first.Top, first.Width, first.Height);
    std::string file = first.picture().sourcePath();
    std::ranges::replace(file, '\\', '/');
    ProgramFolderCopy copy;
    std::filesystem::copy_file(copy.path() / "Images/exit.jpg", copy.path() / file, std::filesystem::copy_options::overwrite_existing);
    platform.folder = copy.path();
    Unload(s);
    const Image& again = open().Image1[0];
    EXPECT_EQ(again.picture().width(), 119) << "the replacement is shown";
    EXPECT_EQ(std::tuple(again.Left, again.Top, again.Width, again.Height), box);
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
    // The buttons light up under the pointer and clear over the background.
    moveTo(s, 11500, 1000);
    for (int b = 0; b < 3; ++b) EXPECT_EQ(s.Label3[b].BackStyle, backStyle::transparent) << b;
    for (int b = 0; b < 3; ++b) hover(s.Label3[b]);
    hover(s.Image1[0]);
    for (int b = 0; b < 3; ++b) EXPECT_EQ(s.Label3[b].BackStyle, backStyle::opaque) << b;

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
