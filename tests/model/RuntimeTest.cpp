#include "ScreenTest.h"
#include "runtime/AccessibilityChanges.h"
#include "runtime/ControlArray.h"
#include "runtime/FormChanges.h"
#include "runtime/PointerRules.h"
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

// Where the pointer is, who receives it: controls back to front, frames' children just after
// their frame, and the hidden or disabled passed over.
// The receiver as logged, with coordinates relative to it.
struct Hit { Twips x, y; const char* receiver; bool frameDisabled = false, frameHidden = false; };
// clang-format off
const Hit hits[] = {
    {600, 700, "front b0 100,200"},      // over the one behind
    {100, 100, "back b0 0,0"},           // its first twip, under a hidden and a disabled control
    {1499, 1499, "front b0 999,999"},    // its last twip
    {1500, 1200, "form b0 1500,1200"}, {1200, 1500, "form b0 1200,1500"},  // a twip beyond
    {2200, 200, "picture b0 200,200"}, {6600, 1200, "overhang b0 100,200"},
    {4100, 1100, "inside b0 0,0"}, {4050, 1050, "frame b0 50,50"},  // in a frame
    {4500, 1500, "over b0 100,100"},     // stacked after the frame, so in front of its children
    {7200, 1200, "form b0 7200,1200"},   // a child's part outside its frame is not there
    {4100, 1100, "form b0 4100,1100", true}, {4100, 1100, "form b0 4100,1100", false, true},  // in a disabled or hidden frame
};
// clang-format on

class HitTest : public RuntimeTest, public ::testing::WithParamInterface<Hit> {};
INSTANTIATE_TEST_SUITE_P(Points, HitTest, ::testing::ValuesIn(hits));

TEST_P(HitTest, TheFrontmostReachableControlUnderThePointerGetsTheMoveRelativeToItself) {
    screen.place<Label>("back", 100, 100, 1000, 1000);
    screen.place<Label>("front", 500, 500, 1000, 1000);
    screen.place<Label>("hidden", 0, 0, 3000, 3000).Visible = false;
    screen.place<Label>("disabled", 0, 0, 300, 300).Enabled = false;
    screen.place<Image>("picture", 2000, 0, 500, 500);
    Frame& frame = screen.place<Frame>("frame", 4000, 1000, 3000, 3000);
    screen.place<Label>("inside", 100, 100, 500, 500, &frame);
    screen.place<Label>("overhang", 2500, 0, 1000, 500, &frame);
    screen.place<Label>("over", 4400, 1400, 300, 300);
    frame.Enabled = !GetParam().frameDisabled, frame.Visible = !GetParam().frameHidden;
    moveTo(screen, GetParam().x, GetParam().y);
    EXPECT_EQ(screen.take(), "Move " + std::string(GetParam().receiver) + "; ");
}

TEST_F(RuntimeTest, ThePressedControlKeepsTheMouseUntilEveryButtonIsUp) {
    screen.place<Label>("source", 0, 0, 1000, 1000);
    screen.place<Label>("other", 2000, 0, 1000, 1000);
    press(screen, 500, 500);
    moveTo(screen, 2500, 500, mouse::left);
    EXPECT_EQ(screen.take(), "Down source b1 500,500; Move source b1 2500,500; ");
    runtime.dispatch([&] {
        screen.mouseDown({.button = mouse::right, .buttons = mouse::left | mouse::right, .at = {2500, 500}});
        screen.mouseMove({.buttons = mouse::left | mouse::right, .at = {2500, 600}});
        screen.mouseUp({.button = mouse::left, .buttons = mouse::right, .at = {2600, 600}});
    });
    EXPECT_EQ(screen.take(), "Down source b2 2500,500; Move source b3 2500,600; Up source b1 2600,600; ")
        << "a press or a release gives its button, a move every button held";
    moveTo(screen, 2700, 700, mouse::right);
    release(screen, 2700, 700, mouse::right);
    moveTo(screen, 2500, 500);
    EXPECT_EQ(screen.take(), "Move source b2 2700,700; Up source b2 2700,700; Move other b0 500,500; ");
    press(screen, 5000, 5000);
    moveTo(screen, 2500, 500, mouse::left);
    EXPECT_EQ(screen.take(), "Move form b1 2500,500; ") << "the bare background keeps the mouse pressed on it";
}

struct Release { Twips x, y; int button; bool disabledOnUp, clicks; };
// On its first and last twip, just beyond them, with the right button, after being disabled.
const Release releases[] = {{0, 0, mouse::left, false, true},     {999, 999, mouse::left, false, true},
                            {1000, 500, mouse::left, false, false}, {500, 1000, mouse::left, false, false},
                            {-1, 500, mouse::left, false, false},   {500, -1, mouse::left, false, false},
                            {500, 500, mouse::right, false, false}, {500, 500, mouse::left, true, false}};

class ClickTest : public RuntimeTest, public ::testing::WithParamInterface<Release> {};
INSTANTIATE_TEST_SUITE_P(Releases, ClickTest, ::testing::ValuesIn(releases));

TEST_P(ClickTest, ALeftPressAndReleaseOnTheSameReachableControlClicksIt) {
    Label& source = screen.place<Label>("source", 0, 0, 1000, 1000);
    if (GetParam().disabledOnUp) source.events()->MouseUp = [&](int, int, int, Twips, Twips) { source.Enabled = false; };
    press(screen, 500, 500, GetParam().button);
    release(screen, GetParam().x, GetParam().y, GetParam().button);
    EXPECT_EQ(screen.take().ends_with("Click source; "), GetParam().clicks);
}

TEST_F(RuntimeTest, ALoadedArrayElementIsAHiddenCopyOfElementZeroStackedJustAfterTheHighestAndZOrderBringsItToTheFront) {
    ControlArray<Label> entries(screen, "entry");
    Label& zero = entries.add(0);
    zero.Caption = "zero", zero.BackStyle = backStyle::transparent;
    zero.setBounds({0, 2000, 2000, 500});
    Label& cover = screen.place<Label>("cover", 0, 2000, 2000, 500);
    std::vector<int> clicked;
    entries.events().Click = [&](int index) { clicked.push_back(index); };
    Label& one = entries.Load(1);
    EXPECT_EQ(std::tuple(one.Visible, one.Index(), one.Caption, one.BackStyle, one.Top), std::tuple(false, 1, "zero", backStyle::transparent, 2000));
    EXPECT_EQ(&screen.controlNamed("entry", 1), &one);
    one.Visible = true;
    click(one);
    EXPECT_EQ(screen.take(), "Down cover b1 1000,250; Up cover b1 1000,250; Click cover; ") << "the cover is in front of both";
    screen.ZOrder(one);
    one.Left = 1;  // a moved control keeps its place in the stack
    click(zero);
    one.Visible = cover.Visible = false;
    click(zero);
    EXPECT_EQ(clicked, (std::vector<int>{1, 0})) << "the element in front, then the one behind, share the handler";
}

TEST_F(RuntimeTest, AskingForWhatAFormLacksIsARuntimeErrorNamingIt) {
    screen.place<Label>("plain", 0, 0, 10, 10);
    ControlArray<Label> entries(screen, "entry");
    entries.add(0);
    const auto error = [](auto&& ask) -> std::string { try { ask(); } catch (const RuntimeError& e) { return e.what(); } return "no error"; };
    EXPECT_EQ(&screen.control<Label>("plain"), &screen.controlNamed("plain"));
    EXPECT_EQ(error([&] { screen.control<Image>("plain"); }), "Control plain on form LogForm is not of the kind asked for");
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

// A screen whose tag the keyboard carries between two stops.
struct Carrying : LogForm {
    std::vector<TwipsPoint> carryStops(const Control& c) const override { return c.name() == "tag" ? std::vector<TwipsPoint>{{3000, 2000}, {6000, 4000}} : std::vector<TwipsPoint>{}; }
};

TEST_F(ScreenTest, TheKeyboardPressesACarriedTagAtItsMiddleAndMovesItThereAsAHandWould) {
    Carrying& form = runtime.form<Carrying>();
    Label& tag = form.place<Label>("tag", 1000, 1000, 1000, 400);
    tag.events()->Click = nullptr;                        // found by Tab for its stops alone
    form.place<Label>("front", 1000, 1000, 1000, 400);  // the focused tag is carried, not what lies in front
    form.Show();
    form.setFocus(&tag);
    for (Key key : {Key::Enter, Key::Down, Key::Tab, Key::Down, Key::Enter}) form.keyPress(key);
    EXPECT_EQ(form.take(), "Down tag b1 500,200; Move tag b1 2500,1200; Move tag b1 5500,3200; Up tag b1 5500,3200; ");
    EXPECT_EQ(form.focused(), &tag) << "the focus stays with what is carried";
    for (Key key : {Key::Enter, Key::Up, Key::Escape}) form.keyPress(key);
    EXPECT_EQ(form.take(), "Down tag b1 500,200; Move tag b1 5500,3200; Move tag b1 500,200; Up tag b1 500,200; ")
        << "Escape takes it back to where it was picked up";
    form.keyPress(Key::Enter), form.keyPress(Key::Down);
    press(form, 100, 100);
    EXPECT_EQ(form.take(), "Down tag b1 500,200; Move tag b1 2500,1200; Move tag b1 500,200; Up tag b1 500,200; ")
        << "a mouse press puts it back";
}

struct Other : Form {
    static constexpr const char* screenName = "Other";
    Other() : Form(screenName) {}
};
struct FailingLoad : Form {
    static constexpr const char* screenName = "FailingLoad";
    FailingLoad() : Form(screenName) {}
    void Form_Load() override { LoadPicture("Images\\no-such-picture.jpg"); }
};

TEST_F(RuntimeTest, ScreensLoadHiddenOnFirstReferenceShowInFrontAndUnloadEvenFromTheirOwnHandlers) {
    EXPECT_EQ(std::pair(&runtime.form<LogForm>(), screen.isVisible()), std::pair(&screen, false));
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
    EXPECT_TRUE(runtime.dispatch([] { End(); }));
    EXPECT_EQ(std::tuple(runtime.hasEnded(), runtime.exitStatus(), loadedScreens() + shownScreens(), platform.errors.size()), std::tuple(true, 0, "", 0u));
}

// Screens find their runtime through the one in force: a second would take their input and
// pictures from under the first.
// The same holds of a screen made under another name than it was asked for by, in every build.
TEST_F(RuntimeTest, ASecondRuntimeWhileOneIsInForceOrAScreenMadeUnderAnotherNameStopsTheProgram) {
    EXPECT_DEATH(Runtime second(platform), "one Runtime at a time");
    EXPECT_DEATH(runtime.form("Other", [] { return std::unique_ptr<Form>(std::make_unique<LogForm>()); }), "another name");
}

TEST(NoRuntime, AskingForTheRuntimeWhenNoneIsInForceStopsTheProgram) {
    EXPECT_DEATH(Runtime::current(), "no Runtime");
}

TEST_F(RuntimeTest, AnErrorLeavingAHandlerIsReportedAndEndsTheProgramWithFailure) {
    EXPECT_THROW(runtime.form<FailingLoad>(), RuntimeError);
    EXPECT_FALSE(runtime.loaded(FailingLoad::screenName)) << "a screen whose load fails is not left loaded";
    screen.Show();
    EXPECT_FALSE(runtime.dispatch([] { form<FailingLoad>().Show(); }));
    EXPECT_EQ(platform.errors, std::vector<std::string>{"Cannot load picture \"Images\\no-such-picture.jpg\": the file does not exist"});
    EXPECT_EQ(std::tuple(runtime.hasEnded(), runtime.exitStatus(), loadedScreens()), std::tuple(true, 1, ""));
    EXPECT_TRUE(runtime.dispatch([] { FAIL() << "no handler runs after the end"; }));
    runtime.end(0);
    EXPECT_EQ(runtime.exitStatus(), 1) << "the first end decides the status";
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

// One control of every kind, a frame holding a label, a control array, and the focus on a button.
struct Sample : LogForm {
    Label& label = place<Label>("label", 100, 200, 300, 400);
    Image& image = place<Image>("image", 1000, 0, 300, 300);
    PictureBox& box = place<PictureBox>("box", 2000, 0, 300, 300);
    CommandButton& button = place<CommandButton>("button", 3000, 0, 300, 300);
    CommandButton& other = place<CommandButton>("other", 4000, 0, 300, 300);
    Frame& frame = place<Frame>("frame", 5000, 1000, 2000, 2000);
    Label& inside = place<Label>("inside", 100, 100, 500, 500, &frame);
    ControlArray<Label> entries{*this, "entry"};

    Sample() {
        Width = 12000, Height = 9000;
        entries.add(0).setBounds({0, 5000, 500, 500});
        setFocus(&button);
    }
};

// "everything", or the boxes to repaint as "left,top widthxheight; ".
std::string describe(const FormChanges::Changes& changes) {
    if (changes.everything) return "everything";
    std::string boxes;
    for (const TwipsRect& b : changes.boxes)
        boxes += std::to_string(int(b.left)) + "," + std::to_string(int(b.top)) + " " + std::to_string(int(b.width)) + "x" +
                 std::to_string(int(b.height)) + "; ";
    return boxes;
}

const Picture dot(1, 1, {0xff00ff00u}, "dot");
const std::string labelBox = "100,200 300x400; ", imageBox = "1000,0 300x300; ", boxBox = "2000,0 300x300; ",
                  buttonBox = "3000,0 300x300; ", otherBox = "4000,0 300x300; ", frameBox = "5000,1000 2000x2000; ";

struct Change { const char* name; void (*apply)(Sample&); std::string repainted; };
// clang-format off
const Change changes[] = {
    {"Nothing",            [](Sample&) {},                                       ""},
    {"LabelMoved",         [](Sample& s) { s.label.Left = 700; },                labelBox + "700,200 300x400; "},
    {"LabelHidden",        [](Sample& s) { s.label.Visible = false; },           labelBox},
    {"LabelCaption",       [](Sample& s) { s.label.Caption = "x"; },             labelBox + labelBox},
    {"LabelDisabled",      [](Sample& s) { s.label.Enabled = false; },           labelBox + labelBox},
    {"ImagePicture",       [](Sample& s) { s.image.Stretch = true, s.image.setPicture(dot), s.image.Stretch = false; }, imageBox + imageBox},
    {"ImageSizedByPicture", [](Sample& s) { s.image.setPicture(dot); },          imageBox + "1000,0 15x15; "},  // a design pixel is 15 twips
    {"ImageNoPicture",     [](Sample& s) { s.image.setPicture({}); },            ""},  // keeps its size: only a picture sets it, unless stretched
    {"PictureBoxPicture",  [](Sample& s) { s.box.Picture = dot; },               boxBox + boxBox},
    {"ButtonCaption",      [](Sample& s) { s.button.Caption = "Go"; },           buttonBox + buttonBox},
    {"FrameColour",        [](Sample& s) { s.frame.BackColor = colors::black; }, frameBox + frameBox},
    {"ChildInFrame",       [](Sample& s) { s.inside.Caption = "x"; },            frameBox + frameBox},  // what was shown holds copies of a frame's children
    {"FocusMoved",         [](Sample& s) { s.setFocus(&s.other); },              buttonBox + otherBox},
    {"FocusShown",         [](Sample& s) { s.keyPress(Key::Right); },            buttonBox + buttonBox},
    {"FocusLost",          [](Sample& s) { s.setFocus(nullptr); },               buttonBox},
    {"BackColour",         [](Sample& s) { s.BackColor = colors::black; },       "everything"},
    {"Picture",            [](Sample& s) { s.Picture = dot; },                   "everything"},
    {"Resized",            [](Sample& s) { s.Height += 15; },                    "everything"},
    {"ElementLoaded",      [](Sample& s) { s.entries.Load(1); },                 "everything"},
    {"Restacked",          [](Sample& s) { s.ZOrder(s.label); },                 "everything"},
};
// clang-format on

class FormChangesTest : public ScreenTest, public ::testing::WithParamInterface<Change> {};
INSTANTIATE_TEST_SUITE_P(Changes, FormChangesTest, ::testing::ValuesIn(changes), [](const auto& info) { return info.param.name; });

TEST_P(FormChangesTest, RepaintsTheOldAndNewBoxesOfWhatChangedOrEverythingForAChangeToTheFormItself) {
    Sample& form = runtime.form<Sample>();
    FormChanges shown;
    EXPECT_EQ(describe(shown.since(form)), "everything") << "nothing was shown before";
    GetParam().apply(form);
    EXPECT_EQ(describe(shown.since(form)), GetParam().repainted);
    EXPECT_EQ(describe(shown.since(form)), "") << "what was shown is now the form as it is";
}

// The pointer rules both bindings follow, from raw toolkit events to what a form's controls hear.
// A press and release are 100 twips into a 1000-twip label; times are milliseconds.
using Type = PointerEvent::Type;
PointerEvent mouse(Type type, double ms, Twips x = 100) { return {.type = type, .button = mouse::left, .at = {x, 100}, .milliseconds = ms}; }
PointerEvent finger(Type type, int id, double ms, PointerKind kind = PointerKind::Touch) { return {.type = type, .kind = kind, .id = id, .at = {100.0f + 10 * id, 100}, .milliseconds = ms}; }
struct Rule { const char* name; std::vector<PointerEvent> events; const char* heard; };
const char* const click = "Down tag b1 100,100; Up tag b1 100,100; Click tag; ";
const std::string twoClicks = std::string(click) + click;
const Rule rules[] = {
    {"ADoubleClickIsOneClick",            {mouse(Type::Down, 0), mouse(Type::Up, 10), mouse(Type::Down, 300), mouse(Type::Up, 310)},
                                          "Down tag b1 100,100; Up tag b1 100,100; Click tag; Down tag b1 100,100; Up tag b1 100,100; "},
    {"ASlowSecondPressClicksAgain",       {mouse(Type::Down, 0), mouse(Type::Up, 10), mouse(Type::Down, 500), mouse(Type::Up, 510)}, twoClicks.c_str()},
    {"AFarSecondPressClicksAgain",        {mouse(Type::Down, 0), mouse(Type::Up, 10), mouse(Type::Down, 20, 175), mouse(Type::Up, 30, 175)},
                                          "Down tag b1 100,100; Up tag b1 100,100; Click tag; Down tag b1 175,100; Up tag b1 175,100; Click tag; "},
    {"APressAnnouncedTwiceIsOnePress",    {mouse(Type::Down, 0), mouse(Type::Down, 0), mouse(Type::Up, 10)}, click},
    {"AReleaseWithNoPressIsNothing",      {mouse(Type::Up, 0)}, ""},
    {"OnlyTheFirstFingerActs",            {finger(Type::Down, 0, 0), finger(Type::Down, 1, 5), finger(Type::Move, 1, 6), finger(Type::Up, 1, 7), finger(Type::Move, 0, 8), finger(Type::Up, 0, 9)},
                                          "Down tag b1 100,100; Move tag b1 100,100; Up tag b1 100,100; Click tag; "},
    {"APenActsAsAFinger",                 {finger(Type::Down, 0, 0, PointerKind::Pen), finger(Type::Up, 0, 10, PointerKind::Pen)}, click},
    {"ACancelledTouchLetsGoAndFreesIt",   {finger(Type::Down, 0, 0), finger(Type::Cancel, 1, 5), finger(Type::Cancel, PointerEvent::everyPointer, 6), finger(Type::Down, 2, 1000), finger(Type::Up, 2, 1010)},
                                          "Down tag b1 100,100; Up tag b1 -1,-1; Down tag b1 120,100; Up tag b1 120,100; Click tag; "},
};
class PointerRuleTest : public RuntimeTest, public ::testing::WithParamInterface<Rule> {};
INSTANTIATE_TEST_SUITE_P(Rules, PointerRuleTest, ::testing::ValuesIn(rules), [](const auto& info) { return info.param.name; });

TEST_P(PointerRuleTest, TurnsRawEventsIntoWhatTheControlsHear) {
    screen.place<Label>("tag", 0, 0, 1000, 1000);
    PointerRules pointer(400);
    for (const PointerEvent& event : GetParam().events) runtime.dispatch([&] { pointer.apply(event, screen); });
    EXPECT_EQ(screen.take(), GetParam().heard);
}

// What assistive technology must hear after an event, each binding telling it in its own words.
struct Described : Sample {
    std::string accessibleDescription(const Control& control) const override { return "at " + std::to_string(int(control.Left)); }
};
struct Heard { const char* name; void (*apply)(Described&); const char* told; };
const Heard heard[] = {
    {"NothingWhenNothingChanged",     [](Described&) {},                                          ""},
    {"AControlHiddenOrShown",         [](Described& s) { s.label.Visible = false, s.inside.Visible = true; },  "Hidden label; Shown inside; "},
    {"AFrameHiddenHidesItsChildren",  [](Described& s) { s.frame.Visible = false; },                "Hidden frame; "},
    {"ARenamedOrRedescribedControl",  [](Described& s) { s.label.Caption = "7 out of 8", s.other.Left = 10; },  "Renamed label; Redescribed other; "},
    {"NoRenamingOfAHiddenControl",    [](Described& s) { s.inside.Caption = "hidden"; },            ""},
    {"TheFocusMovedToAShownControl",  [](Described& s) { s.setFocus(&s.other); },                   "Focused other; "},
    {"NoFocusOnAHiddenControl",       [](Described& s) { s.setFocus(&s.inside); },                  ""},
};
class AccessibilityChangesTest : public ScreenTest, public ::testing::WithParamInterface<Heard> {};
INSTANTIATE_TEST_SUITE_P(Changes, AccessibilityChangesTest, ::testing::ValuesIn(heard), [](const auto& info) { return info.param.name; });

TEST_P(AccessibilityChangesTest, TellsWhatChangedSinceTheLastLookAndOnlyTheFocusAtTheFirst) {
    Described form;
    form.inside.Visible = false;
    AccessibilityChanges changes;
    const auto told = [&] {
        std::string said;
        for (const auto& change : changes.since(form))
            said += std::string(std::array{"Shown", "Hidden", "Renamed", "Redescribed", "Focused"}[int(change.kind)]) + " " + change.control->name() + "; ";
        return said;
    };
    form.label.Caption = "8 out of 8";
    EXPECT_EQ(told(), "Focused button; ") << "the first look tells only where the focus is";
    GetParam().apply(form);
    EXPECT_EQ(told(), GetParam().told);
    GetParam().apply(form);
    EXPECT_EQ(told(), "") << "told once";
    form.label.Caption = "changed";
    form.setFocus(&form.other);
    changes.forget();
    EXPECT_EQ(told(), "Focused other; ") << "the first look after forgetting";
}

}  // namespace
}  // namespace lumenary::testing
