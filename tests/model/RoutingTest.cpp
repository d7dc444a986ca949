#include "ScreenTest.h"
#include "runtime/ControlArray.h"
#include "runtime/controls/Frame.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"

#include <string>
#include <vector>

namespace lumenary::testing {
namespace {

// A form that records every event it and its controls receive.
class RecordingForm : public Form {
public:
    RecordingForm() : Form("RecordingForm") {}

    Label& label(const std::string& name, Twips left, Twips top, Twips width, Twips height, Frame* frame = nullptr) {
        Label& made = add<Label>(name, -1, frame);
        made.Left = left, made.Top = top, made.Width = width, made.Height = height;
        record(made);
        return made;
    }
    void record(Control& control) {
        const std::string name = control.name();
        auto& events = *control.events();
        events.Click = [this, name](int) { log.push_back("Click " + name); };
        events.MouseMove = [this, name](int, int button, int, Twips x, Twips y) {
            log.push_back("Move " + name + " b" + std::to_string(button) + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
        events.MouseUp = [this, name](int, int button, int, Twips x, Twips y) {
            log.push_back("Up " + name + " b" + std::to_string(button) + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
        };
    }
    void Form_MouseMove(int button, int, Twips x, Twips y) override {
        log.push_back("Move form b" + std::to_string(button) + " " + std::to_string(int(x)) + "," + std::to_string(int(y)));
    }
    std::vector<std::string> log;
};

class RoutingTest : public ScreenTest {
protected:
    RecordingForm& form = runtime.form<RecordingForm>();
    std::vector<std::string>& log = form.log;
};

TEST_F(RoutingTest, FrontmostControlGetsTheEventWithCoordinatesRelativeToIt) {
    form.label("back", 100, 100, 1000, 1000);
    form.label("front", 500, 500, 1000, 1000);
    moveTo(form, 600, 700);
    moveTo(form, 200, 300);
    moveTo(form, 3000, 3000);
    EXPECT_EQ(log, (std::vector<std::string>{"Move front b0 100,200", "Move back b0 100,200", "Move form b0 3000,3000"}));
}

TEST_F(RoutingTest, HiddenAndDisabledControlsArePassedOverToWhatLiesBeneath) {
    form.label("back", 0, 0, 1000, 1000);
    Label& hidden = form.label("hidden", 0, 0, 1000, 1000);
    Label& disabled = form.label("disabled", 0, 0, 500, 500);
    hidden.Visible = false;
    disabled.Enabled = false;
    moveTo(form, 100, 100);
    disabled.Enabled = true;
    moveTo(form, 100, 100);
    EXPECT_EQ(log, (std::vector<std::string>{"Move back b0 100,100", "Move disabled b0 100,100"}));
}

TEST_F(RoutingTest, BoxEdgesBelongToTheBoxOnlyOnTheTopAndLeft) {
    form.label("box", 1000, 1000, 500, 500);
    moveTo(form, 1000, 1000);
    moveTo(form, 1500, 1200);
    moveTo(form, 1200, 1500);
    EXPECT_EQ(log, (std::vector<std::string>{"Move box b0 0,0", "Move form b0 1500,1200", "Move form b0 1200,1500"}));
}

TEST_F(RoutingTest, FramesAreLookedIntoAndTheirChildrenPlacedRelativeToThem) {
    Frame& frame = form.add<Frame>("frame");
    frame.Left = 1000, frame.Top = 1000, frame.Width = 3000, frame.Height = 3000;
    form.record(frame);
    form.label("inside", 100, 100, 500, 500, &frame);
    moveTo(form, 1200, 1300);
    moveTo(form, 2000, 2000);
    frame.Visible = false;
    moveTo(form, 1200, 1300);
    EXPECT_EQ(log, (std::vector<std::string>{"Move inside b0 100,200", "Move frame b0 1000,1000", "Move form b0 1200,1300"}));
}

TEST_F(RoutingTest, PicturesAreHitLikeAnyControl) {
    Image& picture = form.add<Image>("picture");
    picture.Left = 0, picture.Top = 0, picture.Width = 1000, picture.Height = 1000;
    moveTo(form, 500, 500);
    EXPECT_TRUE(log.empty()) << "an image without a handler still keeps the move from the background";
}

TEST_F(RoutingTest, PressedControlKeepsTheMouseUntilEveryButtonIsUp) {
    form.label("source", 0, 0, 1000, 1000);
    form.label("other", 2000, 0, 1000, 1000);
    press(form, 500, 500);
    moveTo(form, 2500, 500, mouse::left);
    press(form, 2500, 500, mouse::right);
    moveTo(form, 2600, 600, mouse::left | mouse::right);
    release(form, 2600, 600, mouse::left);
    moveTo(form, 2700, 700, mouse::right);
    release(form, 2700, 700, mouse::right);
    moveTo(form, 2500, 500);
    EXPECT_EQ(log, (std::vector<std::string>{"Move source b1 2500,500", "Move source b3 2600,600", "Up source b1 2600,600",
                                             "Move source b2 2700,700", "Up source b2 2700,700", "Move other b0 500,500"}));
}

TEST_F(RoutingTest, ClickNeedsTheLeftButtonReleasedOverThePressedControl) {
    form.label("button", 0, 0, 1000, 1000);
    press(form, 500, 500);
    release(form, 900, 900);
    press(form, 500, 500);
    release(form, 1500, 500);
    press(form, 500, 500, mouse::right);
    release(form, 500, 500, mouse::right);
    EXPECT_EQ(log, (std::vector<std::string>{"Up button b1 900,900", "Click button", "Up button b1 1500,500", "Up button b2 500,500"}));
}

TEST_F(RoutingTest, StackingFollowsCreationAndZOrderBringsToTheFront) {
    Label& first = form.label("first", 0, 0, 1000, 1000);
    form.label("second", 0, 0, 1000, 1000);
    moveTo(form, 10, 10);
    form.ZOrder(first);
    moveTo(form, 10, 10);
    first.Left = 5;  // moving keeps its place in the stack
    moveTo(form, 10, 10);
    EXPECT_EQ(log, (std::vector<std::string>{"Move second b0 10,10", "Move first b0 10,10", "Move first b0 5,10"}));
}

TEST_F(RoutingTest, ControlArrayElementsCopyElementZeroButStartHiddenAndShareHandlers) {
    ControlArray<Label> entries(form, "entry");
    Label& zero = entries.add(0);
    zero.Caption = "zero", zero.Left = 0, zero.Top = 0, zero.Width = 1000, zero.Height = 400;
    zero.BackStyle = backStyle::transparent, zero.Font = {"Arial", 12, true}, zero.Enabled = false;
    std::vector<int> clicked;
    entries.events().Click = [&](int index) { clicked.push_back(index); };

    Label& one = entries.Load(1);
    EXPECT_FALSE(one.Visible);
    EXPECT_EQ(one.Index(), 1);
    EXPECT_EQ(one.Caption, "zero");
    EXPECT_EQ(one.Font.Name, "Arial");
    EXPECT_EQ(one.BackStyle, backStyle::transparent);
    EXPECT_FALSE(one.Enabled);
    EXPECT_EQ(&entries[1], &one);
    EXPECT_EQ(&form.controlNamed("entry", 1), &one);

    zero.Enabled = true;
    one.Enabled = true, one.Visible = true, one.Top = 500;
    click(one);
    click(zero);
    EXPECT_EQ(clicked, (std::vector<int>{1, 0}));
    EXPECT_THROW(entries.Load(1), RuntimeError);
    EXPECT_THROW(entries[7], RuntimeError);
}

TEST_F(RoutingTest, NewArrayElementsStackInFrontOfTheHighestExistingElement) {
    ControlArray<Label> entries(form, "entry");
    Label& zero = entries.add(0);
    zero.Width = 1000, zero.Height = 1000;
    Label& cover = form.label("cover", 0, 0, 1000, 1000);
    entries.Load(1).Visible = true;
    moveTo(form, 10, 10);
    cover.Visible = false;
    entries.events().MouseMove = [&](int index, int, int, Twips, Twips) { log.push_back("entry " + std::to_string(index)); };
    moveTo(form, 10, 10);
    EXPECT_EQ(log, (std::vector<std::string>{"Move cover b0 10,10", "entry 1"}));
}

TEST_F(RoutingTest, AskingForAControlTheFormLacksIsARuntimeError) {
    form.label("present", 0, 0, 10, 10);
    EXPECT_NO_THROW(form.control<Label>("present"));
    EXPECT_THROW(form.control<Image>("present"), RuntimeError);
    try {
        form.controlNamed("cmdgo");
        FAIL() << "no error";
    } catch (const RuntimeError& error) {
        EXPECT_NE(std::string(error.what()).find("cmdgo"), std::string::npos);
    }
}

}  // namespace
}  // namespace lumenary::testing
