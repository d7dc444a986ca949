#include "LogForm.h"
#include "ScreenTest.h"
#include "runtime/ControlArray.h"
#include "runtime/FormChanges.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Image.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"

namespace lumenary::testing {
namespace {

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

struct Change {
    const char* name;
    void (*apply)(Sample&);
    std::string repainted;
};
// clang-format off
const Change changes[] = {
    {"Nothing",            [](Sample&) {},                                       ""},
    {"LabelMoved",         [](Sample& s) { s.label.Left = 700; },                labelBox + "700,200 300x400; "},
    {"LabelHidden",        [](Sample& s) { s.label.Visible = false; },           labelBox},
    {"LabelCaption",       [](Sample& s) { s.label.Caption = "x"; },             labelBox + labelBox},
    {"LabelDisabled",      [](Sample& s) { s.label.Enabled = false; },           labelBox + labelBox},
    {"ImagePicture",       [](Sample& s) { s.image.Stretch = true, s.image.setPicture(dot), s.image.Stretch = false; }, imageBox + imageBox},
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

}  // namespace
}  // namespace lumenary::testing
