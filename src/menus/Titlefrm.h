#pragma once

#include "runtime/Form.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Frame.h"
#include "runtime/controls/Label.h"
#include "runtime/controls/PictureBox.h"

namespace lumenary {

// The title screen the program starts on: the title, the title artwork, the credit line and
// the publisher's notice, with OK (on to the main menu) and Exit. It keeps its own small size
// and only centres itself, unless its artwork cannot be loaded.
class Titlefrm : public Form {
public:
    static constexpr const char* screenName = "Titlefrm";
    Titlefrm();

    void Form_Load() override;
    void Command1_Click();
    void Command2_Click();
    std::string accessibleName(const Control& control) const override;

    Frame& Frame1;
    Label& Label4;
    Label& Label2;
    Label& Label3;
    CommandButton& Command1;
    CommandButton& Command2;
    PictureBox& Picture1;

private:
    void loadNormally();
    void loadFallback();
};

}  // namespace lumenary
