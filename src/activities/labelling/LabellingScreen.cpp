#include "LabellingScreen.h"

#include "framework/Module1.h"
#include "runtime/ReadingOrder.h"
#include "runtime/Runtime.h"
#include "runtime/language/Translation.h"

namespace lumenary {

namespace {

// Targets, home boxes and name labels: the label buttons' look in a smaller font.
const LabelStyle boardStyle{.Font = {"Tahoma", 11.25f, true}, .ForeColor = colors::yellow, .BackColor = colors::black,
                            .BorderStyle = true, .Alignment = Alignment::Center};

// clang-format off
const ButtonSpot buttons[] = {
//   caption         Left   Top   Width
    {N_("Exit"),        10560, 7920, 1245},
    {N_("Start Again"),  3360, 7920, 2565},
    {N_("Check Score"),  6000, 7920, 2565},
};
// clang-format on

// A box captures a label whose top-left corner lies within half a box to the left of and
// above it, or anywhere over it, with every bound strict.
bool captures(const Label& box, const Label& label) {
    const float x = label.Left;
    const float y = label.Top;
    return box.Left - box.Width / 2 < x && x < box.Left + box.Width && box.Top - box.Height / 2 < y &&
           y < box.Top + box.Height;
}

bool restsOn(const Label& label, const Label& box) { return label.Left == box.Left && label.Top == box.Top; }

}  // namespace

LabellingScreen::LabellingScreen(std::string name, std::string caption, const LabellingBoard& board)
    : ActivityScreen(std::move(name), std::move(caption)),
      Image1(*this, "Image1"),
      Label1(*this, "Label1"),
      Label4(*this, "Label4"),
      Label7(add<Label>("Label7", board.titleIndex)),
      Label2(*this, "Label2"),
      Label5(add<Label>("Label5")),
      board_(board) {
    placeText(Label7, board.title);
    placeText(Label5, board.scoreLine).Visible = false;

    for (std::size_t i = 0; i < board.pictures.size(); ++i) {
        const PictureSpot& spot = board.pictures[i];
        Image& picture = Image1.add(static_cast<int>(i));
        picture.Stretch = true;
        picture.setBounds(spot.box);
    }
    for (std::size_t i = 0; i < board.targets.size(); ++i) {
        const TargetSpot& spot = board.targets[i];
        Label& target = Label1.add(static_cast<int>(i)).setStyle(boardStyle);
        target.setBounds({spot.left, spot.top, board.labelWidth, board.labelHeight});
        target.Caption = tr(spot.caption);
    }
    for (std::size_t i = 0; i < board.homes.size(); ++i) {
        const HomeSpot& home = board.homes[i];
        Label& box = Label4.add(static_cast<int>(i)).setStyle(boardStyle);
        box.setBounds({home.left, home.top, board.designedHomeWidths[i], board.labelHeight});
        box.BackStyle = backStyle::transparent;
        box.Visible = i == 0;
    }
    addLabelButtons(buttons);
    Label3[checkScoreButton].Visible = false;

    // Name labels are drawn over everything they are dragged across, the higher index in front.
    if (!board.scoreLineInFrontOfLabels) ZOrder(Label5);
    for (std::size_t i = 0; i < board.homes.size(); ++i) {
        const HomeSpot& home = board.homes[i];
        Label& name = Label2.add(static_cast<int>(i)).setStyle(boardStyle);
        name.setBounds({home.left, home.top, board.labelWidth, board.labelHeight});
        name.Visible = i == 0;
    }
    if (board.scoreLineInFrontOfLabels) ZOrder(Label5);

    Label2.events().MouseMove = [this](int index, int button, int shift, Twips x, Twips y) {
        Label2_MouseMove(index, button, shift, x, y);
    };
    Label2.events().MouseUp = [this](int index, int button, int shift, Twips x, Twips y) {
        Label2_MouseUp(index, button, shift, x, y);
    };
    Label3.events().Click = [this](int index) { Label3_Click(index); };
}

void LabellingScreen::Form_Load() {
    Module1::setupform(*this);
    BackColor = colors::black;
    n_ = static_cast<int>(board_.targets.size());
    loadPictures();
    sizeHomeBoxes();
    captionLabelsAndPlaceHomeBoxes();
    for (int i = 1; i < n_; ++i) {
        Label2[i].Visible = true;
        Label4[i].Visible = true;
    }
}

void LabellingScreen::loadPictures() {
    for (std::size_t i = 0; i < board_.pictures.size(); ++i)
        Image1[static_cast<int>(i)].setPicture(LoadPicture(board_.pictures[i].file));
}

void LabellingScreen::sizeHomeBoxes() {
    for (int i = 0; i < n_; ++i) {
        Label1[i].Visible = false;
        if (board_.homeBoxTakesLabelWidth) Label4[i].Width = Label2[i].Width;
        Label4[i].Height = Label2[i].Height;
    }
}

void LabellingScreen::captionLabelsAndPlaceHomeBoxes() {
    for (int i = 0; i < n_; ++i) {
        Label2[i].Caption = Label1[i].Caption;
        Label1[i].Caption = "";
        Label1[i].BackStyle = backStyle::transparent;
        Label1[i].Visible = true;
        Label4[i].Left = Label2[i].Left;
        Label4[i].Top = Label2[i].Top;
    }
}

void LabellingScreen::Label2_MouseMove(int index, int button, int, Twips x, Twips y) {
    if (button != mouse::left) return;
    Label& label = Label2[index];
    label.Left = label.Left + x - label.Width / 2;
    label.Top = label.Top + y - label.Height / 2;
}

void LabellingScreen::Label2_MouseUp(int index, int, int, Twips, Twips) {
    snapToCapturingBox(Label2[index]);
    if (everyLabelRestsOnATarget()) Label3[checkScoreButton].Visible = true;
}

void LabellingScreen::snapToCapturingBox(Label& label) {
    for (int i = 0; i < n_; ++i) {
        for (const Label* box : {&Label1[i], &Label4[i]}) {
            if (captures(*box, label)) {
                label.Left = box->Left;
                label.Top = box->Top;
            }
        }
    }
}

bool LabellingScreen::everyLabelRestsOnATarget() const {
    int pairs = 0;
    for (int i = 0; i < n_; ++i)
        for (int j = 0; j < n_; ++j)
            if (restsOn(Label2[i], Label1[j])) ++pairs;
    return pairs == n_;
}

std::vector<TwipsPoint> LabellingScreen::carryStops(const Control& control) const {
    const int index = control.Index();
    if (index < 0 || index >= n_ || &control != &Label2[index]) return {};
    std::vector<Control*> targets;
    for (int i = 0; i < n_; ++i) targets.push_back(&Label1[i]);
    std::vector<TwipsPoint> stops;
    for (const Control* target : inReadingOrder(std::move(targets))) stops.push_back({target->Left, target->Top});
    stops.push_back({Label4[index].Left, Label4[index].Top});
    return stops;
}

void LabellingScreen::Label3_Click(int index) {
    switch (index) {
        case exitButton: Unload(*this); break;
        case startAgainButton: startAgain(); break;
        case checkScoreButton: checkScore(); break;
        default: break;
    }
}

void LabellingScreen::checkScore() {
    int score = 0;
    for (int i = 0; i < n_; ++i)
        if (restsOn(Label2[i], Label1[i])) ++score;
    Label5.Caption = trn("%d out of %d correct", "%d out of %d correct", score, {std::to_string(score), std::to_string(n_)});
    Label5.Visible = true;
}

void LabellingScreen::startAgain() {
    Label5.Visible = false;
    for (int i = 0; i < n_; ++i) {
        Label2[i].Left = Label4[i].Left;
        Label2[i].Top = Label4[i].Top;
    }
    Label3[checkScoreButton].Visible = false;
}

std::string LabellingScreen::accessibleName(const Control& control) const {
    const std::string number = std::to_string(control.Index() + 1);
    if (control.name() == "Image1") return tr(board_.pictureName) + " " + number;
    if (control.name() == "Label1") return trFill("Target %d", {number});
    return Form::accessibleName(control);
}

std::string LabellingScreen::accessibleDescription(const Control& control) const {
    if (control.name() != "Label2") return {};
    for (int i = 0; i < n_; ++i)
        if (restsOn(static_cast<const Label&>(control), Label1[i])) return trFill("on target %d", {std::to_string(i + 1)});
    return {};
}

}  // namespace lumenary
