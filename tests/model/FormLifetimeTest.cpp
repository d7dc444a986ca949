#include "ScreenTest.h"
#include "runtime/controls/Label.h"

namespace lumenary::testing {
namespace {

struct CountingScreen : Form {
    static inline int loads = 0;
    Label& button = add<Label>("button");

    CountingScreen() : Form("CountingScreen") {
        button.Width = 1000, button.Height = 1000;
        button.events()->Click = [this](int) {
            Unload(*this);
            // Still ours until the event has been handled.
            Caption = "unloaded";
            button.Caption = "gone";
        };
    }
    void Form_Load() override { ++loads; }
};

struct FailingScreen : Form {
    FailingScreen() : Form("FailingScreen") {}
    void Form_Load() override { LoadPicture("Images\\no-such-picture.jpg"); }
};

class FormLifetimeTest : public ScreenTest {
protected:
    FormLifetimeTest() { CountingScreen::loads = 0; }
};

TEST_F(FormLifetimeTest, AScreenIsLoadedOnFirstReferenceOnlyAndFreshAfterUnload) {
    CountingScreen& first = runtime.form<CountingScreen>();
    const auto firstSerial = first.serial();
    EXPECT_EQ(&runtime.form<CountingScreen>(), &first);
    EXPECT_EQ(CountingScreen::loads, 1);
    EXPECT_FALSE(first.isVisible()) << "referring to a screen loads it hidden";

    Unload(first);
    Unload(first);  // unloading what is not loaded does nothing
    EXPECT_FALSE(runtime.isLoaded<CountingScreen>());
    runtime.collectUnloaded();

    EXPECT_NE(runtime.form<CountingScreen>().serial(), firstSerial);
    EXPECT_EQ(CountingScreen::loads, 2);
}

TEST_F(FormLifetimeTest, AScreenUnloadingItselfInItsHandlerIsFreedOnlyAfterTheEvent) {
    CountingScreen& screen = runtime.form<CountingScreen>();
    screen.Show();
    click(screen.button);  // under AddressSanitizer, any use after free fails here
    EXPECT_FALSE(runtime.isLoaded<CountingScreen>());
    EXPECT_EQ(shownScreens(), "");
}

TEST_F(FormLifetimeTest, ShowBringsAScreenToTheFront) {
    runtime.form<CountingScreen>().Show();
    struct Other : Form {
        Other() : Form("Other") {}
    };
    runtime.form<Other>().Show();
    EXPECT_EQ(shownScreens(), "CountingScreen Other");
    runtime.form<CountingScreen>().Show();
    EXPECT_EQ(shownScreens(), "Other CountingScreen");
}

TEST_F(FormLifetimeTest, AnErrorLeavingAHandlerIsReportedAndEndsTheProgramWithFailure) {
    runtime.form<CountingScreen>().Show();
    const bool handled = runtime.dispatch([] { form<FailingScreen>().Show(); });
    EXPECT_FALSE(handled);
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("Images\\no-such-picture.jpg"), std::string::npos);
    EXPECT_NE(platform.errors[0].find("does not exist"), std::string::npos);
    EXPECT_TRUE(runtime.hasEnded());
    EXPECT_EQ(runtime.exitStatus(), 1);
    EXPECT_EQ(loadedScreens(), "");
    EXPECT_TRUE(runtime.dispatch([] { FAIL() << "no handler runs after the end"; }));
}

TEST_F(FormLifetimeTest, EndClosesEverythingWithSuccess) {
    runtime.form<CountingScreen>().Show();
    runtime.dispatch([] { End(); });
    EXPECT_TRUE(runtime.hasEnded());
    EXPECT_EQ(runtime.exitStatus(), 0);
    EXPECT_EQ(loadedScreens(), "");
    EXPECT_TRUE(platform.errors.empty());
}

}  // namespace
}  // namespace lumenary::testing
