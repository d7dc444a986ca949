#include "MenuFrame.h"

#include "TopicMenus.h"
#include "runtime/Runtime.h"

namespace lumenary {

Label& designMenuLabel(Label& label, Color backColor, float points, Twips left, Twips top, Twips width, Twips height) {
    label.Font = {"Tahoma", points, true};
    label.ForeColor = colors::yellow;
    label.BackColor = backColor;
    label.Alignment = Alignment::Center;
    label.BorderStyle = true;
    label.Left = left, label.Top = top, label.Width = width, label.Height = height;
    return label;
}

MenuFrame::MenuFrame(std::string name)
    : Form(std::move(name)), Label1(add<Label>("Label1")), Label2(*this, "Label2"), Command1(add<CommandButton>("Command1")) {
    Caption = "Corbelwick";

    Label& firstEntry = designMenuLabel(Label2.add(0), colors::blue, 18, 9600, 2400, 2235, 495);
    firstEntry.Caption = "Menu 1";
    firstEntry.BackStyle = backStyle::transparent;
    firstEntry.Visible = false;

    Label1.events()->MouseMove = [this](int, int button, int shift, Twips x, Twips y) { Label1_MouseMove(button, shift, x, y); };
    Label2.events().MouseMove = [this](int index, int button, int shift, Twips x, Twips y) {
        Label2_MouseMove(index, button, shift, x, y);
    };
}

void MenuFrame::placeExitButton() {
    Command1.Picture = LoadPicture("Images\\exit.jpg");
    Command1.Width = 1785;
    Command1.Height = 495;
    Command1.Left = 60;
    Command1.Top = 7950;
}

void MenuFrame::createMenuEntries() {
    for (int i = 1; i < menuEntries; ++i) {
        Label& entry = Label2.Load(i);
        entry.Left = Label2[0].Left;
        entry.Top = Label2[0].Top + entrySpacing * i;
    }
}

void MenuFrame::captionMenuEntries() {
    for (int i = 1; i < menuEntries; ++i) Label2[i].Caption = "Menu " + std::to_string(i + 1);
}

void MenuFrame::showMenuEntries() {
    for (int i = 0; i < menuEntries; ++i) Label2[i].Visible = true;
}

void MenuFrame::showTopicMenu(int entry) { topicMenu(entry).Show(); }

std::string MenuFrame::accessibleName(const Control& control) const {
    return &control == &Command1 ? "Exit" : Form::accessibleName(control);
}

void MenuFrame::Label1_MouseMove(int, int, Twips, Twips) { Label1.BackStyle = backStyle::opaque; }

void MenuFrame::Label2_MouseMove(int index, int, int, Twips, Twips) { Label2[index].BackStyle = backStyle::opaque; }

void MenuFrame::Form_MouseMove(int, int, Twips, Twips) {
    Label1.BackStyle = backStyle::transparent;
    for (int i = 0; i < menuEntries; ++i) Label2[i].BackStyle = backStyle::transparent;
}

}  // namespace lumenary
