#pragma once

#include "MenuFrame.h"
#include "runtime/controls/Image.h"

namespace lumenary {

// The main menu: the program title, the five menu entries leading to the topic menus, the
// publisher's logo, notice and web address, and the exit button back to the title screen.
class intro0 : public MenuFrame {
public:
    static constexpr const char* screenName = "intro0";
    // The publisher's web address: the entry's caption, and what the shell is asked to open.
    static constexpr const char* publisherAddress = "www.corbelwick.example";
    static constexpr int webAddressEntry = 6;

    intro0();

    Label& Label3;
    Image& Image2;

    void Form_Load() override;
    void Label2_Click(int index);
    void Command1_Click();
    std::string accessibleName(const Control& control) const override;
};

}  // namespace lumenary
