#include "ScreenTest.h"
#include "framework/Titlefrm.h"
#include "menus/intro0.h"

#include <filesystem>

namespace lumenary::testing {
namespace {

class TitleScreenTest : public ScreenTest {
protected:
    Titlefrm& start() {
        runtime.dispatch([] { form<Titlefrm>().Show(); });
        return runtime.form<Titlefrm>();
    }
};

TEST_F(TitleScreenTest, StartsCentredAtItsOwnSizeWithItsArtwork) {
    platform.desktop = {19200, 14400};
    Titlefrm& title = start();
    EXPECT_EQ(title.clientSize().Width, 5460);
    EXPECT_EQ(title.clientSize().Height, 6570);
    EXPECT_EQ(title.Left, 9600 - title.Width / 2);
    EXPECT_EQ(title.Top, 7200 - title.Height / 2);
    EXPECT_EQ(title.BackColor, colors::silver);
    EXPECT_EQ(title.Caption, " ");
    EXPECT_EQ(title.Picture1.Picture.sourcePath(), "opening\\tessil00.gif");
    EXPECT_EQ(title.Command1.Caption, "OK");
    EXPECT_EQ(title.focused(), &title.Command1);
    EXPECT_TRUE(platform.pointerChanges.empty()) << "the standard set-up does not run";
}

TEST_F(TitleScreenTest, TabWalksOkExitAndThePictureAndEnterPressesTheFocusedButton) {
    Titlefrm& title = start();
    title.keyPress(Key::Tab);
    EXPECT_EQ(title.focused(), &title.Command2);
    title.keyPress(Key::Tab);
    EXPECT_EQ(title.focused(), &title.Picture1);
    title.keyPress(Key::Tab);
    EXPECT_EQ(title.focused(), &title.Command1);
    runtime.dispatch([&] { title.keyPress(Key::Enter); });
    EXPECT_EQ(shownScreens(), "intro0");
}

TEST_F(TitleScreenTest, SpaceOnExitEndsTheProgram) {
    Titlefrm& title = start();
    runtime.dispatch([&] { title.keyPress(Key::BackTab); });
    runtime.dispatch([&] { title.keyPress(Key::BackTab); });
    runtime.dispatch([&] { title.keyPress(Key::Space); });
    EXPECT_TRUE(runtime.hasEnded());
    EXPECT_EQ(runtime.exitStatus(), 0);
}

TEST_F(TitleScreenTest, OkShowsTheMainMenuAndUnloadsTheTitleScreen) {
    Titlefrm& title = start();
    click(title.Command1);
    EXPECT_EQ(shownScreens(), "intro0");
    EXPECT_EQ(loadedScreens(), "intro0");
}

TEST_F(TitleScreenTest, ExitEndsTheProgram) {
    click(start().Command2);
    EXPECT_TRUE(runtime.hasEnded());
    EXPECT_EQ(runtime.exitStatus(), 0);
    EXPECT_EQ(loadedScreens(), "");
}

TEST_F(TitleScreenTest, WhenTheArtworkFailsOnceTheFallbackMakesAStandardScreen) {
    platform.failingDecodes = 1;
    Titlefrm& title = start();
    EXPECT_EQ(title.Width, 12000);
    EXPECT_EQ(title.Height, 9000);
    EXPECT_EQ(title.BackColor, (Color{49, 135, 214}));
    EXPECT_EQ(title.Left, 1680);
    EXPECT_EQ(title.Top, 1260);
    EXPECT_EQ(title.Picture1.BackColor, (Color{49, 135, 214}));
    EXPECT_EQ(title.stackOf(nullptr).back(), &title.Frame1) << "the frame is brought to the front";
    EXPECT_EQ(title.Frame1.Left, 0);
    EXPECT_EQ(title.Frame1.Top, -90);
    EXPECT_FALSE(title.Picture1.Picture.isEmpty()) << "the second attempt loaded it";
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(TitleScreenTest, WithoutTheArtworkTheSecondFailureIsReportedAndTheProgramEnds) {
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "opening" / "tessil00.gif");
    platform.folder = copy.path();
    runtime.dispatch([] { form<Titlefrm>().Show(); });
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("opening\\tessil00.gif"), std::string::npos);
    EXPECT_TRUE(runtime.hasEnded());
    EXPECT_EQ(runtime.exitStatus(), 1);
}

TEST_F(TitleScreenTest, CancelBehavesLikeOkAndAFreshTitleScreenAlwaysReadsOk) {
    click(start().Command1);
    click(runtime.form<intro0>().Command1);
    EXPECT_EQ(shownScreens(), "Titlefrm");
    EXPECT_EQ(runtime.form<Titlefrm>().Command1.Caption, "Cancel");

    click(runtime.form<Titlefrm>().Command1);
    EXPECT_EQ(shownScreens(), "intro0");
    EXPECT_EQ(loadedScreens(), "intro0");
    EXPECT_EQ(runtime.form<Titlefrm>().Command1.Caption, "OK") << "loaded afresh by this reference";
}

}  // namespace
}  // namespace lumenary::testing
