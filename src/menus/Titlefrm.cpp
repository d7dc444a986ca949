#include "Titlefrm.h"

#include "framework/Module1.h"
#include "intro0.h"
#include "runtime/Runtime.h"
#include "runtime/language/Translation.h"

namespace lumenary {

namespace {

constexpr Twips clientWidth = 5460;
constexpr Twips clientHeight = 6570;
constexpr Color titleBlue{0, 0, 255};
const char* const artworkPath = "opening\\tessil00.gif";

Label& titleLabel(Form& form, const char* name, Frame* frame, const char* caption, Font font, TwipsRect box, int tabIndex) {
    Label& label = form.add<Label>(name, -1, frame);
    label.setStyle({.Font = std::move(font), .ForeColor = titleBlue, .BackStyle = backStyle::transparent, .Alignment = Alignment::Center});
    label.setBounds(box);
    label.Caption = tr(caption);
    label.TabIndex = tabIndex;
    return label;
}

CommandButton& titleButton(Form& form, const char* name, Frame* frame, const char* caption, Twips left, int tabIndex) {
    CommandButton& button = form.add<CommandButton>(name, -1, frame);
    button.Caption = tr(caption);
    button.BackColor = colors::silver;
    button.setBounds({left, 6000, 1335, 375});
    button.TabIndex = tabIndex;
    return button;
}

}  // namespace

// Controls are created back to front; all but Frame1 lie inside Frame1.
Titlefrm::Titlefrm()
    : Form(screenName),
      Frame1(add<Frame>("Frame1")),
      Label4(titleLabel(*this, "Label4", &Frame1, "Lumenary", {"Times New Roman", 26.25f, true},
                        {120, 180, 5175, 1455}, 1)),
      Label2(titleLabel(*this, "Label2", &Frame1,
                        N_("Corbelwick Learning. Free to use in any classroom."),
                        {"Arial", 8.25f, false}, {0, 6420, 5415, 255}, 2)),
      Label3(titleLabel(*this, "Label3", &Frame1, N_("By the Corbelwick science team"),
                        {"Times New Roman", 15.75f, false}, {360, 5370, 4695, 615}, 3)),
      Command1(titleButton(*this, "Command1", &Frame1, N_("OK"), 1320, 4)),
      Command2(titleButton(*this, "Command2", &Frame1, N_("Exit"), 2760, 5)),
      Picture1(add<PictureBox>("Picture1", -1, &Frame1)) {
    const FrameMargins margins = Runtime::current().platform().frameMargins();
    // Assigned as one character: GCC 12 at -O3 mistakes the literal's copy for an overlapping one.
    Caption.assign(1, ' ');
    Icon = Runtime::current().platform().applicationIcon();
    BackColor = colors::silver;
    Width = clientWidth + margins.horizontal();
    Height = clientHeight + margins.vertical();

    Frame1.setBounds({0, -90, 5480, 6660});
    Frame1.TabIndex = 0;
    Picture1.setBounds({300, 1560, 4800, 3600});
    Picture1.TabIndex = 6;

    Command1.events()->Click = [this](int) { Command1_Click(); };
    Command2.events()->Click = [this](int) { Command2_Click(); };
}

void Titlefrm::Form_Load() {
    try {
        loadNormally();
    } catch (const std::exception&) {
        loadFallback();
    }
}

void Titlefrm::loadNormally() {
    const Twips desktopWidth = Screen::Width();
    const Twips desktopHeight = Screen::Height();
    Top = desktopHeight / 2 - Height / 2;
    Left = desktopWidth / 2 - Width / 2;
    Picture1.Picture = LoadPicture(artworkPath);
}

void Titlefrm::loadFallback() {
    Module1::setupform(*this);
    ZOrder(Frame1);
    Picture1.Picture = LoadPicture(artworkPath);
}

void Titlefrm::Command1_Click() {
    form<intro0>().Show();
    Unload(*this);
}

std::string Titlefrm::accessibleName(const Control& control) const {
    return &control == &Picture1 ? "Title picture" : Form::accessibleName(control);
}

void Titlefrm::Command2_Click() { End(); }

}  // namespace lumenary
