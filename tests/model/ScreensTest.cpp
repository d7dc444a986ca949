#include "ScreenTest.h"
#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "framework/Module1.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "runtime/controls/PictureBox.h"

#include <algorithm>
#include <climits>

namespace lumenary::testing {
namespace {

std::vector<const Control*> controlsOf(const Form& form, const Frame* frame = nullptr) {
    std::vector<const Control*> all;
    for (const Control* c : form.stackOf(frame)) {
        all.push_back(c);
        if (c->kind() == ControlKind::Frame) std::ranges::copy(controlsOf(form, static_cast<const Frame*>(c)), std::back_inserter(all));
    }
    return all;
}
std::string describe(const Control& c) { return c.name() + "(" + std::to_string(c.Index()) + ")"; }

bool within(const Control* hit, const Control& control) {
    for (const Control* c = hit; c; c = c->container())
        if (c == &control) return true;
    return false;
}
// The pointer on `hit` reaches `control`: it is the control, lies inside it, or is stacked in front of it.
bool reaches(const Form& form, const Control* hit, const Control& control) {
    if (within(hit, control)) return true;
    while (hit && hit->container() != control.container()) hit = hit->container();
    const auto& stack = form.stackOf(control.container());
    return hit && std::ranges::find(stack, hit) > std::ranges::find(stack, &control);
}

struct ScreenKind {
    const char* name;
    void (*show)();
    bool standard;  // set up by Module1::setupform
};
template <class F>
void show() { form<F>().Show(); }
const ScreenKind everyScreen[] = {
    {"Titlefrm", show<Titlefrm>, false}, {"intro0", show<intro0>, true},       {"menu1", show<menu1>, true},
    {"menu2", show<menu2>, true},       {"menu3", show<menu3>, true},         {"menu4", show<menu4>, true},
    {"menu5", show<menu5>, true},       {"phaseslab", show<phaseslab>, true}, {"weatherlab", show<weatherlab>, true},
    {"newtonmeter", show<newtonmeter>, true}, {"magnets", show<magnets>, true}, {"magnets2", show<magnets2>, true},
};

class EveryScreen : public ScreenTest, public ::testing::WithParamInterface<ScreenKind> {
protected:
    Form& open() {
        platform.draws.assign(10, 0.5f);  // for a question screen's pick
        runtime.dispatch(GetParam().show);
        EXPECT_TRUE(platform.errors.empty()) << platform.errors.front();
        if (runtime.visibleForms().empty()) throw std::runtime_error("no screen is shown");
        return *runtime.visibleForms().back();
    }
};
INSTANTIATE_TEST_SUITE_P(Screens, EveryScreen, ::testing::ValuesIn(everyScreen), [](const auto& info) { return info.param.name; });

TEST_P(EveryScreen, OpensCentredOnTheDesktopWithEveryControlInsideItsWindow) {
    platform.desktop = {19200, 14400};
    const Form& screen = open();
    EXPECT_EQ(screen.Left + screen.Width / 2, 9600);
    EXPECT_EQ(screen.Top + screen.Height / 2, 7200);
    if (GetParam().standard) {
        EXPECT_EQ(std::pair(screen.Width, screen.Height), std::pair(12000.0f, 9000.0f)) << "the standard window";
        ASSERT_GE(platform.pointerChanges.size(), 2u);
        EXPECT_EQ(platform.pointerChanges.front(), Screen::busyPointer) << "busy while centring";
        EXPECT_EQ(platform.pointerChanges.back(), Screen::defaultPointer);
    } else {
        EXPECT_TRUE(platform.pointerChanges.empty());
    }
    const TwipsSize client = screen.clientSize();
    for (const Control* c : controlsOf(screen)) {
        if (!c->Visible) continue;
        // Within a few pixels: the title screen's frame hides its top edge above the window.
        EXPECT_GE(std::min(c->absoluteLeft(), c->absoluteTop()), -90) << describe(*c);
        EXPECT_LE(c->absoluteLeft() + c->Width, client.Width + 75) << describe(*c);
        EXPECT_LE(c->absoluteTop() + c->Height, client.Height + 75) << describe(*c);
    }
}

TEST_P(EveryScreen, ReachableControlsTakeThePointerOnTheirPaintedCornersAndOthersNowhere) {
    const Form& screen = open();
    const TwipsMapping mapping;
    for (const Control* c : controlsOf(screen)) {
        const Twips left = c->absoluteLeft(), top = c->absoluteTop();
        if (!c->isReachable()) {
            EXPECT_FALSE(within(screen.controlAt(left + c->Width / 2, top + c->Height / 2), *c)) << describe(*c);
            continue;
        }
        // The pixels painted for it, clipped to the frames holding it.
        int x0 = INT_MIN, y0 = INT_MIN, x1 = INT_MAX, y1 = INT_MAX;
        for (const Control* k = c; k; k = k->container()) {
            x0 = std::max(x0, mapping.toPixels(k->absoluteLeft())), y0 = std::max(y0, mapping.toPixels(k->absoluteTop()));
            x1 = std::min(x1, mapping.toPixels(k->absoluteLeft() + k->Width) - 1);
            y1 = std::min(y1, mapping.toPixels(k->absoluteTop() + k->Height) - 1);
        }
        for (const auto& [x, y] : {std::pair{x0, y0}, {x1, y0}, {x0, y1}, {x1, y1}})
            EXPECT_TRUE(reaches(screen, screen.controlAt(mapping.toTwips(x), mapping.toTwips(y)), *c)) << describe(*c) << " pixel " << x << "," << y;
    }
}

class TitleScreenTest : public ScreenTest {
protected:
    Titlefrm& start() {
        runtime.dispatch([] { form<Titlefrm>().Show(); });
        return runtime.form<Titlefrm>();
    }
};

TEST_F(TitleScreenTest, OkHasTheFocusTabWalksExitAndThePictureAndEnterOpensTheMainMenu) {
    Titlefrm& title = start();
    EXPECT_FALSE(title.Picture1.Picture.isEmpty());
    std::string walk = title.focused()->name();
    for (int i = 0; i < 3; ++i) title.keyPress(Key::Tab), walk += " " + title.focused()->name();
    EXPECT_EQ(walk, "Command1 Command2 Picture1 Command1");
    runtime.dispatch([&] { title.keyPress(Key::Enter); });
    EXPECT_EQ(shownScreens(), "intro0");
    EXPECT_EQ(loadedScreens(), "intro0");
}

TEST_F(TitleScreenTest, ExitEndsTheProgramWithSuccessByKeyboard) {
    Titlefrm& title = start();
    runtime.dispatch([&] { title.keyPress(Key::BackTab); });
    runtime.dispatch([&] { title.keyPress(Key::BackTab); });
    runtime.dispatch([&] { title.keyPress(Key::Space); });
    EXPECT_TRUE(runtime.hasEnded());
    EXPECT_EQ(runtime.exitStatus(), 0);
}

TEST_F(TitleScreenTest, ExitEndsTheProgramWithSuccessByMouse) {
    click(start().Command2);
    EXPECT_TRUE(runtime.hasEnded());
    EXPECT_EQ(runtime.exitStatus(), 0);
    EXPECT_EQ(loadedScreens(), "");
}

TEST_F(TitleScreenTest, WhenTheArtworkFailsOnceTheFallbackIsAStandardScreenShowingIt) {
    platform.failingDecodes = 1;
    Titlefrm& title = start();
    EXPECT_EQ(std::pair(title.Width, title.Height), std::pair(12000.0f, 9000.0f));
    EXPECT_EQ(title.Left + title.Width / 2, platform.desktop.Width / 2);
    EXPECT_EQ(title.Top + title.Height / 2, platform.desktop.Height / 2);
    EXPECT_FALSE(title.Picture1.Picture.isEmpty()) << "the second attempt loaded it";
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(TitleScreenTest, WithoutTheArtworkTheProgramEndsReportingTheFile) {
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "opening" / "tessil00.gif");
    platform.folder = copy.path();
    runtime.dispatch([] { form<Titlefrm>().Show(); });
    EXPECT_EQ(platform.errors, std::vector<std::string>{"Cannot load picture \"opening\\tessil00.gif\": the file does not exist"});
    EXPECT_EQ(runtime.exitStatus(), 1);
}

// A screen carrying whichever standard buttons a test asks for, each designed at (1, 1234)
// and 100 x 100 with a tab stop, so that every change the set-up makes shows.
struct ButtonsScreen : Form {
    static inline std::vector<std::string> buttons;
    ButtonsScreen() : Form("ButtonsScreen") {
        for (const std::string& name : buttons) {
            CommandButton& button = add<CommandButton>(name);
            button.Left = 1, button.Top = 1234, button.Width = 100, button.Height = 100;
        }
    }
    void Form_Load() override { Module1::setupform(*this); }
};

class SetupFormTest : public ScreenTest {
protected:
    ButtonsScreen& load(std::vector<std::string> buttons) {
        if (runtime.isLoaded<ButtonsScreen>()) Unload(runtime.form<ButtonsScreen>());
        ButtonsScreen::buttons = std::move(buttons);
        return runtime.form<ButtonsScreen>();
    }
    static const CommandButton& button(const Form& f, const char* name) { return f.control<CommandButton>(name); }
};

TEST_F(SetupFormTest, StandardButtonsTakeTheirFacesAndSizesAndStackUpTheRightHandSide) {
    const Form& screen = load({"cmdexit", "cmdgo", "cmdjotter", "cmdsoln", "cmdcheckit", "cmdscramble"});
    const std::pair<const char*, const char*> faces[] = {{"cmdexit", "exit"},       {"cmdgo", "next"},     {"cmdsoln", "answer"},
                                                         {"cmdcheckit", "check"},   {"cmdjotter", "jotter"}, {"cmdscramble", "scramble"}};
    const TwipsMapping mapping;
    for (const auto& [name, face] : faces) {
        const CommandButton& b = button(screen, name);
        EXPECT_EQ(b.Picture.sourcePath().find(face), 7u) << name << " shows " << b.Picture.sourcePath();
        if (b.name() == "cmdscramble") continue;
        EXPECT_EQ(b.Width, mapping.toTwips(b.Picture.width())) << name << " is as large as its face";
        EXPECT_EQ(b.Height, mapping.toTwips(b.Picture.height())) << name;
    }
    const TwipsSize client = screen.clientSize();
    const CommandButton& go = button(screen, "cmdgo");
    const CommandButton& exit = button(screen, "cmdexit");
    EXPECT_NEAR(go.Left + go.Width, client.Width, 60) << "in the bottom right-hand corner";
    EXPECT_NEAR(go.Top + go.Height, client.Height, 60);
    EXPECT_NEAR(exit.Left, 0, 60) << "in the bottom left-hand corner";
    EXPECT_EQ(exit.Top, go.Top);
    const char* column[] = {"cmdgo", "cmdjotter", "cmdsoln", "cmdcheckit"};
    for (int i = 1; i < 4; ++i) {
        EXPECT_EQ(button(screen, column[i]).Left, go.Left) << column[i];
        EXPECT_EQ(button(screen, column[i]).Top + go.Height, button(screen, column[i - 1]).Top) << column[i] << " stands on " << column[i - 1];
    }
    EXPECT_EQ(std::pair(button(screen, "cmdscramble").Left, button(screen, "cmdscramble").Top), std::pair(1.0f, 1234.0f)) << "only its face changes";
    runtime.form<ButtonsScreen>().Show();
    EXPECT_EQ(runtime.form<ButtonsScreen>().focused(), &button(screen, "cmdscramble")) << "the other standard buttons leave the tab order";
}

TEST_F(SetupFormTest, AStatementNamingAMissingButtonIsSkippedWhole) {
    const CommandButton& jotter = button(load({"cmdjotter"}), "cmdjotter");
    EXPECT_EQ(jotter.Top, 1234) << "it stands on cmdgo, which is missing";
    EXPECT_EQ(std::pair(jotter.Left, jotter.Width), std::pair(10050.0f, 1785.0f));
    EXPECT_FALSE(jotter.TabStop);
    const CommandButton& answer = button(load({"cmdgo", "cmdsoln"}), "cmdsoln");
    EXPECT_EQ(answer.Top, 1234) << "it stands on cmdjotter, which is missing";
    EXPECT_EQ(answer.Left, 10050);
}

TEST_F(SetupFormTest, AMissingFaceLeavesThatFaceAndCentringIsExactAndNeverClamped) {
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "Images" / "next.jpg");
    platform.folder = copy.path();
    const std::pair<TwipsSize, std::pair<Twips, Twips>> desktops[] = {
        {{12000, 9000}, {0, 0}}, {{19200, 14400}, {3600, 2700}}, {{9600, 7200}, {-1200, -900}}, {{12345, 9001}, {172.5f, 0.5f}}};
    for (const auto& [desktop, corner] : desktops) {
        platform.desktop = desktop;
        const Form& screen = load({"cmdgo", "cmdexit"});
        EXPECT_EQ(std::pair(screen.Left, screen.Top), corner) << desktop.Width;
        EXPECT_TRUE(button(screen, "cmdgo").Picture.isEmpty());
        EXPECT_EQ(button(screen, "cmdgo").Left, 10050) << "the rest is set up";
        EXPECT_FALSE(button(screen, "cmdexit").Picture.isEmpty());
    }
    EXPECT_TRUE(platform.errors.empty());
}

}  // namespace
}  // namespace lumenary::testing
