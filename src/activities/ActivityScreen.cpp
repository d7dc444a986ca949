#include "ActivityScreen.h"

#include "framework/Hover.h"
#include "framework/Module1.h"
#include "runtime/language/Translation.h"

namespace lumenary {

ActivityScreen::ActivityScreen(std::string name, std::string caption) : Form(std::move(name)), Label3(*this, "Label3") {
    Caption = tr(caption);
    Label3.events().MouseMove = [this](int index, int button, int shift, Twips x, Twips y) {
        Label3_MouseMove(index, button, shift, x, y);
    };
}

LabelStyle ActivityScreen::buttonStyle(Color backColor) {
    return {.Font = {"Tahoma", 15.75f, true}, .ForeColor = colors::yellow, .BackColor = backColor, .BorderStyle = true,
            .Alignment = Alignment::Center};
}

void ActivityScreen::addLabelButtons(std::span<const ButtonSpot> buttons) {
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const ButtonSpot& spot = buttons[i];
        Label& button = Label3.add(static_cast<int>(i)).setStyle(buttonStyle(colors::black));
        button.setBounds({spot.left, spot.top, spot.width, Module1::buttonHeight});
        button.Caption = tr(spot.caption);
    }
}

Label& ActivityScreen::placeText(Label& label, const TextSpot& spot) {
    label.setStyle({.Font = spot.font, .ForeColor = colors::yellow, .BackStyle = backStyle::transparent, .Alignment = Alignment::Center});
    label.setBounds(spot.box);
    label.Caption = tr(spot.caption);
    return label;
}

void ActivityScreen::Label3_MouseMove(int index, int, int, Twips, Twips) { showHover(Label3[index], true); }

void ActivityScreen::Form_MouseMove(int, int, Twips, Twips) {
    for (int i = 0; Label3.exists(i); ++i) showHover(Label3[i], false);
}

}  // namespace lumenary
