#include "intro0.h"

#include "framework/Module1.h"
#include "framework/Titlefrm.h"
#include "runtime/Runtime.h"

namespace lumenary {

intro0::intro0() : MenuFrame("intro0"), Label3(add<Label>("Label3")), Image2(add<Image>("Image2")) {
    designMenuLabel(Label1, colors::black, 26.25f, 240, 120, 11460, 825);
    Label1.Caption = "Lumenary";
    Label1.BackStyle = backStyle::transparent;

    Label& web = designMenuLabel(Label2.add(webAddressEntry), colors::black, 12, 8520, 7800, 3315, 375);
    web.Font.Name = "Arial";
    web.Caption = publisherAddress;
    web.BackStyle = backStyle::opaque;

    Label3.Caption = "Published by Corbelwick Learning";
    Label3.Font = {"Tahoma", 9.75f, false};
    Label3.ForeColor = colors::darkGrey;
    Label3.BackStyle = backStyle::transparent;
    Label3.Alignment = Alignment::Right;
    Label3.Left = 7200, Label3.Top = 8250, Label3.Width = 3990, Label3.Height = 315;

    Image2.Left = 180, Image2.Top = 5700, Image2.Width = 1500, Image2.Height = 2085;

    Label2.events().Click = [this](int index) { Label2_Click(index); };
    Command1.events()->Click = [this](int) { Command1_Click(); };
}

void intro0::Form_Load() {
    Module1::setupform(*this);
    BackColor = menuBackColor;
    Picture = LoadPicture("Images\\tessil3.jpg");
    Image2.setPicture(LoadPicture("Images\\logo2.jpg"));
    placeExitButton();
    createMenuEntries();
    captionMenuEntries();
    showMenuEntries();
}

void intro0::Label2_Click(int index) {
    if (index >= 0 && index < menuEntries) {
        showTopicMenu(index);
        Unload(*this);
    } else if (index == webAddressEntry) {
        ShellExecute(this, "open", publisherAddress);
    }
}

std::string intro0::accessibleName(const Control& control) const {
    return &control == &Image2 ? "Corbelwick Learning logo" : MenuFrame::accessibleName(control);
}

void intro0::Command1_Click() {
    form<Titlefrm>().Command1.Caption = "Cancel";
    form<Titlefrm>().Show();
    Unload(*this);
}

}  // namespace lumenary
