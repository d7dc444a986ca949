#include "LogForm.h"
#include "ScreenTest.h"
#include "runtime/ControlArray.h"
#include "runtime/ReadingOrder.h"
#include "runtime/SeededRandom.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"

#include <algorithm>

namespace lumenary::testing {
namespace {

class RuntimeTest : public ScreenTest {
protected:
    LogForm& screen = runtime.form<LogForm>();
};

TEST_F(RuntimeTest, TheFrontmostReachableControlUnderThePointerGetsTheMoveRelativeToItself) {
    screen.place<Label>("back", 100, 100, 1000, 1000);
    screen.place<Label>("front", 500, 500, 1000, 1000);
    screen.place<Label>("hidden", 0, 0, 3000, 3000).Visible = false;
    screen.place<Label>("disabled", 0, 0, 300, 300).Enabled = false;
    screen.place<Image>("picture", 2000, 0, 500, 500);
    Frame& frame = screen.place<Frame>("frame", 4000, 1000, 3000, 3000);
    screen.place<Label>("inside", 100, 100, 500, 500, &frame);
    const std::pair<Twips, Twips> points[] = {{600, 700}, {200, 300}, {100, 100}, {150, 150}, {1499, 1499}, {1500, 1200},
                                              {1200, 1500}, {2200, 200}, {4100, 1100}, {4600, 1600}, {4050, 1050}};
    for (const auto& [x, y] : points) moveTo(screen, x, y);
    frame.Enabled = false;
    moveTo(screen, 4200, 1200);
    frame.Enabled = true, frame.Visible = false;
    moveTo(screen, 4200, 1200);
    EXPECT_EQ(screen.take(),
              "Move front b0 100,200; Move back b0 100,200; Move back b0 0,0; Move back b0 50,50; Move front b0 999,999; "
              "Move form b0 1500,1200; Move form b0 1200,1500; Move picture b0 200,200; Move inside b0 0,0; Move frame b0 600,600; "
              "Move frame b0 50,50; Move form b0 4200,1200; Move form b0 4200,1200; ");
}

TEST_F(RuntimeTest, ThePressedControlKeepsTheMouseTillAllButtonsAreUpAndALeftReleaseOnItClicksIt) {
    Label& source = screen.place<Label>("source", 0, 0, 1000, 1000);
    screen.place<Label>("other", 2000, 0, 1000, 1000);
    press(screen, 500, 500);
    moveTo(screen, 2500, 500, mouse::left);
    press(screen, 2500, 500, mouse::right);
    release(screen, 2600, 600, mouse::left);
    moveTo(screen, 2700, 700, mouse::right);
    release(screen, 2700, 700, mouse::right);
    moveTo(screen, 2500, 500);
    press(screen, 5000, 5000);  // the bare background has the mouse now
    moveTo(screen, 2500, 500, mouse::left);
    release(screen, 2500, 500);
    EXPECT_EQ(screen.take(), "Down source b1 500,500; Move source b1 2500,500; Down source b2 2500,500; Up source b1 2600,600; "
                             "Move source b2 2700,700; Up source b2 2700,700; Move other b0 500,500; Move form b1 2500,500; ");
    // Released on its first and last twip, just beyond them, with the right button, after being disabled.
    const std::pair<Twips, Twips> releases[] = {{0, 0}, {999, 999}, {1000, 500}, {500, 1000}, {-1, 500}, {500, -1}};
    for (const auto& [x, y] : releases) {
        press(screen, 500, 500);
        release(screen, x, y);
        screen.log += "/ ";
    }
    press(screen, 500, 500, mouse::right);
    release(screen, 500, 500, mouse::right);
    source.events()->MouseUp = [&](int, int, int, Twips, Twips) { source.Enabled = false; };
    press(screen, 500, 500);
    release(screen, 500, 500);
    EXPECT_EQ(screen.take(), "Down source b1 500,500; Up source b1 0,0; Click source; / Down source b1 500,500; Up source b1 999,999; "
                             "Click source; / Down source b1 500,500; Up source b1 1000,500; / Down source b1 500,500; "
                             "Up source b1 500,1000; / Down source b1 500,500; Up source b1 -1,500; / Down source b1 500,500; "
                             "Up source b1 500,-1; / Down source b2 500,500; Up source b2 500,500; Down source b1 500,500; ");
}

TEST_F(RuntimeTest, StackingFollowsCreationAndZOrderAndArrayElementsAreHiddenCopiesStackedAfterTheHighest) {
    Label& first = screen.place<Label>("first", 0, 0, 1000, 1000);
    screen.place<Label>("second", 0, 0, 1000, 1000);
    ControlArray<Label> entries(screen, "entry");
    Label& zero = entries.add(0);
    zero.Caption = "zero", zero.Top = 2000, zero.Width = 2000, zero.Height = 500, zero.BackStyle = backStyle::transparent;
    Label& cover = screen.place<Label>("cover", 0, 2000, 2000, 500);
    std::vector<int> clicked;
    entries.events().Click = [&](int index) { clicked.push_back(index); };
    Label& one = entries.Load(1);
    EXPECT_EQ(std::tuple(one.Visible, one.Index(), one.Caption, one.BackStyle, &entries[1], &screen.controlNamed("entry", 1)),
              std::tuple(false, 1, "zero", backStyle::transparent, &one, static_cast<Control*>(&one)));
    one.Visible = true;
    for (int i = 0; i < 3; ++i) {
        moveTo(screen, 10, 10);
        if (i == 0) screen.ZOrder(first);
        if (i == 1) first.Left = 5;  // moving keeps its place in the stack
    }
    click(one);  // under the cover: it was stacked just after element 0
    screen.ZOrder(one);
    click(zero);  // element 1 lies over it now
    one.Visible = cover.Visible = false;
    click(zero);
    EXPECT_EQ(screen.take(), "Move second b0 10,10; Move first b0 10,10; Move first b0 5,10; Down cover b1 1000,250; "
                             "Up cover b1 1000,250; Click cover; ");
    EXPECT_EQ(clicked, (std::vector<int>{1, 0}));
}

TEST_F(RuntimeTest, AskingForWhatAFormLacksIsARuntimeErrorNamingIt) {
    screen.place<Label>("plain", 0, 0, 10, 10);
    ControlArray<Label> entries(screen, "entry");
    entries.add(0);
    const auto error = [](auto&& ask) -> std::string {
        try {
            ask();
        } catch (const RuntimeError& e) {
            return e.what();
        }
        return "no error";
    };
    EXPECT_EQ(&screen.control<Label>("plain"), &screen.controlNamed("plain"));
    EXPECT_EQ(error([&] { screen.control<Image>("plain"); }), "Control plain on form LogForm is not of the kind asked for");
    EXPECT_EQ(error([&] { screen.control<Image>("entry", 0); }), "Control entry(0) on form LogForm is not of the kind asked for");
    EXPECT_EQ(error([&] { screen.controlNamed("cmdgo"); }), "Form LogForm has no control named cmdgo");
    EXPECT_EQ(error([&] { screen.controlNamed("entry", 3); }), "Form LogForm has no control named entry(3)");
    EXPECT_EQ(error([&] { screen.add<Label>("entry", 0); }), "Form LogForm already has a control entry(0)");
    EXPECT_EQ(error([&] { entries.Load(0); }), "Control array entry already has an element 0");
    EXPECT_EQ(error([&] { entries[7]; }), "Control array entry on form LogForm has no element 7");
}

TEST_F(RuntimeTest, TabWalksWhatCanBeUsedInReadingOrderAndEnterDoesWhatAClickDoes) {
    for (Key key : {Key::Enter, Key::Tab, Key::BackTab}) screen.keyPress(key);
    EXPECT_EQ(screen.focused(), nullptr) << "a screen with nothing to use";
    Frame& frame = screen.place<Frame>("frame", 0, 1000, 5000, 3000);
    auto& b = screen.place<CommandButton>("b", 200, 200, 500, 500, &frame);
    screen.place<Label>("a", 3000, 1100, 500, 500);
    auto& c = screen.place<PictureBox>("c", 100, 0, 500, 500);
    screen.place<Image>("d", 4000, 1100 + rowTolerance + 1, 500, 500);
    auto& off = screen.place<CommandButton>("off", 0, 5000, 500, 500);
    screen.place<Label>("hidden", 0, 6000, 500, 500).Visible = false;
    screen.place<Label>("greyed", 0, 7000, 500, 500).Enabled = false;
    screen.place<Label>("plain", 0, 8000, 500, 500).events()->Click = nullptr;
    frame.events()->Click = nullptr, off.TabStop = false, b.TabIndex = 1, c.TabIndex = 2;
    screen.Show();
    std::string walk = screen.focused()->name();
    for (Key key : {Key::Tab, Key::Tab, Key::Tab, Key::Tab, Key::BackTab, Key::BackTab, Key::BackTab})
        screen.keyPress(key), walk += screen.focused()->name();
    for (Key key : {Key::Enter, Key::Space}) screen.keyPress(key);
    frame.Visible = false;
    for (int i = 0; i < 3; ++i) screen.keyPress(Key::Tab), walk += " " + screen.focused()->name();
    EXPECT_EQ(walk, "badcbcda d c a") << "b's row is a's, within the tolerance; d is below it; round and round";
    click(c);
    click(off);
    EXPECT_EQ(screen.focused(), &c) << "the mouse focuses what takes the focus";
    screen.setFocus(nullptr);
    screen.keyPress(Key::Enter);
    EXPECT_EQ(screen.take(), "Click a; Click a; Down c b1 250,250; Up c b1 250,250; Click c; "
                             "Down off b1 250,250; Up off b1 250,250; Click off; Click c; ");
    EXPECT_FALSE(screen.keyPress(Key::Escape)) << "the window's, when nothing is carried";
}

struct Other : Form {
    Other() : Form("Other") {}
};
struct FailingLoad : Form {
    FailingLoad() : Form("FailingLoad") {}
    void Form_Load() override { LoadPicture("Images\\no-such-picture.jpg"); }
};

TEST_F(RuntimeTest, ScreensLoadHiddenOnFirstReferenceShowInFrontAndUnloadEvenFromTheirOwnHandlers) {
    EXPECT_FALSE(screen.isVisible());
    EXPECT_EQ(&runtime.form<LogForm>(), &screen);
    screen.Show();
    runtime.form<Other>().Show();
    screen.Show();
    EXPECT_EQ(shownScreens(), "Other LogForm");
    Label& button = screen.place<Label>("button", 0, 0, 1000, 1000);
    button.events()->Click = [&](int) {
        Unload(screen);
        Unload(screen);  // unloading what is not loaded does nothing
        screen.Show();   // nor can it be shown
        screen.Caption = button.Caption = "still ours until the event is over";  // AddressSanitizer fails a use after free
    };
    const auto serial = screen.serial();
    click(button);
    EXPECT_EQ(loadedScreens() + " / " + shownScreens(), "Other / Other");
    EXPECT_NE(runtime.form<LogForm>().serial(), serial) << "loaded afresh";
    EXPECT_TRUE(runtime.form<LogForm>().isLoaded());
    EXPECT_TRUE(runtime.dispatch([] { End(); }));
    EXPECT_EQ(std::tuple(runtime.hasEnded(), runtime.exitStatus(), loadedScreens() + shownScreens()), std::tuple(true, 0, ""));
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(RuntimeTest, AnErrorLeavingAHandlerIsReportedAndEndsTheProgramWithFailure) {
    EXPECT_THROW(runtime.form<FailingLoad>(), RuntimeError);
    EXPECT_FALSE(runtime.isLoaded<FailingLoad>()) << "a screen whose load fails is not left loaded";
    screen.Show();
    EXPECT_FALSE(runtime.dispatch([] { form<FailingLoad>().Show(); }));
    EXPECT_EQ(platform.errors, std::vector<std::string>{"Cannot load picture \"Images\\no-such-picture.jpg\": the file does not exist"});
    EXPECT_EQ(std::tuple(runtime.hasEnded(), runtime.exitStatus(), loadedScreens()), std::tuple(true, 1, ""));
    EXPECT_TRUE(runtime.dispatch([] { FAIL() << "no handler runs after the end"; }));
    runtime.end(0);
    EXPECT_EQ(runtime.exitStatus(), 1) << "the first end decides the status";
}

TEST_F(RuntimeTest, AnImageTakesItsPicturesSizeUnlessStretched) {
    const Picture picture(4, 3, std::vector<std::uint32_t>(12), "p");
    Image& natural = screen.place<Image>("natural", 0, 0, 100, 100);
    Image& stretched = screen.place<Image>("stretched", 0, 0, 100, 100);
    stretched.Stretch = true;
    natural.setPicture({});
    EXPECT_EQ(natural.Width, 100) << "no picture leaves the size";
    natural.setPicture(picture);
    stretched.setPicture(picture);
    EXPECT_EQ(std::tuple(natural.Width, natural.Height, stretched.Width, stretched.Height), std::tuple(60.0f, 45.0f, 100.0f, 100.0f));
}

// The runtime in hand is the current one, and one gone leaves room for the next.
TEST(RuntimeLifetime, ARuntimeGoneLeavesRoomForTheNext) {
    for (int i = 0; i < 2; ++i) { TestPlatform platform; Runtime runtime(platform); EXPECT_EQ(&Runtime::current(), &runtime); }
}

TEST(SeededRandomTest, DrawsSpreadOverTheHalfOpenUnitIntervalAndRepeatOnlyForTheSameHundredth) {
    SeededRandom random;
    const auto draws = [&](double seconds) {
        random.reseed(seconds);
        std::vector<float> out(2000);
        for (float& r : out) r = random.next();
        return out;
    };
    const std::vector<float> spread = draws(45296.25);
    EXPECT_GE(*std::ranges::min_element(spread), 0.0f);
    EXPECT_LT(*std::ranges::max_element(spread), 1.0f);
    EXPECT_NEAR(std::ranges::count_if(spread, [](float r) { return r < 0.5f; }), 1000, 150);
    EXPECT_NEAR(std::ranges::count_if(spread, [](float r) { return r < 0.1f; }), 200, 60);
    EXPECT_EQ(draws(3600.5), draws(3600.5));
    EXPECT_NE(draws(3600.5), draws(3600.51)) << "two questions drawn a moment apart still differ";
}

}  // namespace
}  // namespace lumenary::testing
