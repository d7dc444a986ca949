#include "ScreenTest.h"
#include "framework/Module1.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/PictureBox.h"

#include <filesystem>
#include <set>
#include <string>

namespace lumenary::testing {
namespace {

// A screen carrying whichever standard buttons a test asks for, each designed at (1, 1234)
// and 100 x 100 with a tab stop, so that every change the set-up makes shows.
struct ButtonsScreen : Form {
    static inline std::set<std::string> buttons;
    static inline bool withPicture1 = false;

    ButtonsScreen() : Form("ButtonsScreen") {
        Width = 3000, Height = 2000;
        for (const std::string& name : buttons) {
            CommandButton& button = add<CommandButton>(name);
            button.Left = 1, button.Top = 1234, button.Width = 100, button.Height = 100;
        }
        if (withPicture1) add<PictureBox>("Picture1");
    }
    void Form_Load() override { Module1::setupform(*this); }
};

class SetupFormTest : public ScreenTest {
protected:
    ButtonsScreen& load(std::set<std::string> buttons, bool withPicture1 = false) {
        ButtonsScreen::buttons = std::move(buttons);
        ButtonsScreen::withPicture1 = withPicture1;
        return runtime.form<ButtonsScreen>();
    }
    static void expectPlaced(const CommandButton& button, Twips left, Twips top) {
        SCOPED_TRACE(button.name());
        EXPECT_EQ(button.Left, left);
        EXPECT_EQ(button.Top, top);
        EXPECT_EQ(button.Width, 1785);
        EXPECT_EQ(button.Height, 495);
        EXPECT_FALSE(button.TabStop);
        EXPECT_EQ(button.Picture.width(), 119) << "face picture loaded";
    }
};

TEST_F(SetupFormTest, AScreenWithoutNamedControlsGetsTheStandardWindow) {
    ButtonsScreen& screen = load({});
    EXPECT_EQ(screen.BackColor, (Color{49, 135, 214}));
    EXPECT_TRUE(screen.Icon.isEmpty());
    EXPECT_EQ(screen.Width, 12000);
    EXPECT_EQ(screen.Height, 9000);
    EXPECT_EQ(screen.ScaleMode, 1);
    EXPECT_EQ(screen.Left, 1680);
    EXPECT_EQ(screen.Top, 1260);
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(SetupFormTest, AllStandardButtonsStackUpTheRightHandSide) {
    ButtonsScreen& screen = load({"cmdexit", "cmdgo", "cmdjotter", "cmdsoln", "cmdcheckit", "cmdscramble"}, true);
    expectPlaced(screen.control<CommandButton>("cmdexit"), 60, 7950);
    expectPlaced(screen.control<CommandButton>("cmdgo"), 10050, 7950);
    expectPlaced(screen.control<CommandButton>("cmdjotter"), 10050, 7455);
    expectPlaced(screen.control<CommandButton>("cmdsoln"), 10050, 6960);
    expectPlaced(screen.control<CommandButton>("cmdcheckit"), 10050, 6465);

    const auto& scramble = screen.control<CommandButton>("cmdscramble");
    EXPECT_EQ(scramble.Picture.width(), 119) << "only its face changes";
    EXPECT_EQ(scramble.Left, 1);
    EXPECT_EQ(scramble.Top, 1234);
    EXPECT_TRUE(scramble.TabStop);
    EXPECT_EQ(screen.control<PictureBox>("Picture1").BackColor, (Color{49, 135, 214}));
}

TEST_F(SetupFormTest, JotterWithoutNextKeepsItsDesignedTop) {
    const auto& jotter = load({"cmdjotter"}).control<CommandButton>("cmdjotter");
    EXPECT_EQ(jotter.Top, 1234);
    EXPECT_EQ(jotter.Left, 10050);
    EXPECT_EQ(jotter.Width, 1785);
    EXPECT_EQ(jotter.Height, 495);
    EXPECT_FALSE(jotter.TabStop);
    EXPECT_EQ(jotter.Picture.height(), 33);
}

TEST_F(SetupFormTest, AnAnswerButtonStandsOnTheJotterOnlyWhenThereIsOne) {
    const auto& answer = load({"cmdgo", "cmdsoln"}).control<CommandButton>("cmdsoln");
    EXPECT_EQ(answer.Top, 1234) << "the statement naming the missing jotter is skipped whole";
    EXPECT_EQ(answer.Left, 10050);
}

TEST_F(SetupFormTest, AMissingFaceFileLeavesThatFaceButEverythingElseIsSetUp) {
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "Images" / "next.jpg");
    platform.folder = copy.path();
    ButtonsScreen::buttons = {"cmdgo", "cmdexit"};
    ButtonsScreen& screen = runtime.form<ButtonsScreen>();
    const auto& next = screen.control<CommandButton>("cmdgo");
    EXPECT_TRUE(next.Picture.isEmpty());
    EXPECT_EQ(next.Left, 10050);
    EXPECT_EQ(next.Top, 7950);
    expectPlaced(screen.control<CommandButton>("cmdexit"), 60, 7950);
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(SetupFormTest, CentringIsComputedInFloatingPointAndNeverClamped) {
    struct Desktop {
        TwipsSize size;
        Twips left, top;
    };
    const Desktop desktops[] = {
        {{12000, 9000}, 0, 0},
        {{19200, 14400}, 3600, 2700},
        {{9600, 7200}, -1200, -900},
        {{12345, 9001}, 172.5f, 0.5f},
    };
    for (const Desktop& desktop : desktops) {
        platform.desktop = desktop.size;
        ButtonsScreen& screen = load({});
        EXPECT_EQ(screen.Left, desktop.left) << desktop.size.Width;
        EXPECT_EQ(screen.Top, desktop.top) << desktop.size.Height;
        Unload(screen);
        runtime.collectUnloaded();
    }
}

TEST_F(SetupFormTest, ThePointerIsBusyWhileCentringAndDefaultAfterwards) {
    Screen::setMousePointer(Screen::busyPointer);
    load({});
    EXPECT_EQ(Screen::MousePointer(), Screen::defaultPointer);
    EXPECT_EQ(platform.pointerChanges, (std::vector<int>{11, 11, 0}));
}

}  // namespace
}  // namespace lumenary::testing
