#include "MenuFrame.h"

#include "TopicMenus.h"
#include "framework/Hover.h"
#include "framework/Module1.h"
#include "runtime/Runtime.h"
#include "runtime/language/Translation.h"

namespace lumenary {

LabelStyle menuLabelStyle(Color backColor, float points) {
    return {.Font = {"Tahoma", points, true}, .ForeColor = colors::yellow, .BackColor = backColor, .BorderStyle = true,
            .Alignment = Alignment::Center};
}

MenuFrame::MenuFrame(std::string name)
    : Form(std::move(name)), Label1(add<Label>("Label1")), Label2(*this, "Label2"), Command1(add<CommandButton>("Command1")) {
    Caption = "Corbelwick";

    Label& firstEntry = Label2.add(0).setStyle(menuLabelStyle(colors::blue, 18));
    firstEntry.setBounds({9600, 2400, 2235, 495});
    firstEntry.Caption = trFill(N_("Menu %d"), {"1"});
    firstEntry.BackStyle = backStyle::transparent;
    firstEntry.Visible = false;

    Label1.events()->MouseMove = [this](int, int button, int shift, Twips x, Twips y) { Label1_MouseMove(button, shift, x, y); };
    Label2.events().MouseMove = [this](int index, int button, int shift, Twips x, Twips y) {
        Label2_MouseMove(index, button, shift, x, y);
    };
}

void MenuFrame::placeExitButton() {
    Command1.Picture = LoadPicture("Images\\exit.jpg");
    Command1.setBounds({Module1::exitButtonPlace.x, Module1::exitButtonPlace.y, Module1::buttonWidth, Module1::buttonHeight});
}

void MenuFrame::loadColumn(ControlArray<Label>& column) {
    for (int i = 1; i < menuEntries; ++i) {
        Label& entry = column.Load(i);
        entry.Left = column[0].Left;
        entry.Top = column[0].Top + entrySpacing * i;
    }
}

void MenuFrame::captionMenuEntries() {
    for (int i = 1; i < menuEntries; ++i) Label2[i].Caption = trFill(N_("Menu %d"), {std::to_string(i + 1)});
}

void MenuFrame::showMenuEntries() {
    for (int i = 0; i < menuEntries; ++i) Label2[i].Visible = true;
}

void MenuFrame::showTopicMenu(int entry) { topicMenu(entry).Show(); }

std::string MenuFrame::accessibleName(const Control& control) const {
    return &control == &Command1 ? tr(N_("Exit")) : Form::accessibleName(control);
}

void MenuFrame::Label1_MouseMove(int, int, Twips, Twips) { showHover(Label1, true); }

void MenuFrame::Label2_MouseMove(int index, int, int, Twips, Twips) { showHover(Label2[index], true); }

void MenuFrame::Form_MouseMove(int, int, Twips, Twips) {
    showHover(Label1, false);
    for (int i = 0; i < menuEntries; ++i) showHover(Label2[i], false);
}

}  // namespace lumenary
