#include "intro0.h"

#include "framework/Module1.h"
#include "menus/Titlefrm.h"
#include "runtime/Runtime.h"
#include "runtime/language/Translation.h"

namespace lumenary {

intro0::intro0() : MenuFrame(screenName), Label3(add<Label>("Label3")), Image2(add<Image>("Image2")) {
    Label1.setStyle(menuLabelStyle(colors::black, 26.25f)).setBounds({240, 120, 11460, 825});
    Label1.Caption = "Lumenary";
    Label1.BackStyle = backStyle::transparent;

    Label& web = Label2.add(webAddressEntry).setStyle(menuLabelStyle(colors::black, 12));
    web.setBounds({8520, 7800, 3315, 375});
    web.Font.Name = "Arial";
    web.Caption = publisherAddress;

    Label3.setStyle({.Font = {"Tahoma", 9.75f, false}, .ForeColor = colors::darkGrey, .BackStyle = backStyle::transparent,
                     .Alignment = Alignment::Right})
        .setBounds({7200, 8250, 3990, 315});
    Label3.Caption = tr(N_("Published by Corbelwick Learning"));

    Image2.setBounds({180, 5700, 1500, 2085});

    Label2.events().Click = [this](int index) { Label2_Click(index); };
    Command1.events()->Click = [this](int) { Command1_Click(); };
}

void intro0::Form_Load() {
    Module1::setupform(*this);
    BackColor = menuBackColor;
    Picture = LoadPicture("Images\\tessil3.jpg");
    Image2.setPicture(LoadPicture("Images\\logo2.jpg"));
    placeExitButton();
    loadColumn(Label2);
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
    return &control == &Image2 ? tr(N_("Corbelwick Learning logo")) : MenuFrame::accessibleName(control);
}

void intro0::Command1_Click() {
    form<Titlefrm>().Command1.Caption = tr(N_("Cancel"));
    form<Titlefrm>().Show();
    Unload(*this);
}

}  // namespace lumenary
