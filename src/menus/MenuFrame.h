#pragma once

#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/controls/CommandButton.h"
#include "runtime/controls/Label.h"

namespace lumenary {

// What the main menu and the five topic menus share: the title or heading `Label1`, the menu
// column `Label2`(0..4) "Menu 1" ... "Menu 5", the exit button `Command1`, the background, and
// the hover highlight (the title and menu entries turn opaque under the pointer and
// transparent again when it crosses the bare background).
class MenuFrame : public Form {
public:
    static constexpr Color menuBackColor{49, 135, 215};
    static constexpr int menuEntries = 5;

    Label& Label1;
    ControlArray<Label> Label2;
    CommandButton& Command1;

    void Label1_MouseMove(int button, int shift, Twips x, Twips y);
    void Label2_MouseMove(int index, int button, int shift, Twips x, Twips y);
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;
    // The exit button shows a picture of its word, not a caption.
    std::string accessibleName(const Control& control) const override;

protected:
    explicit MenuFrame(std::string name);

    // Load steps shared by every menu, each named after what it does.
    void placeExitButton();
    // Makes entries 1 ... 4 of a column below its entry 0, as copies of it.
    static void loadColumn(ControlArray<Label>& column);
    void captionMenuEntries();
    void showMenuEntries();

    // Opens topic menu `entry` + 1 (entry 0 is "Menu 1").
    static void showTopicMenu(int entry);

    // Label2 and Label3 entries stand 750 twips apart.
    static constexpr Twips entrySpacing = 750;
};

// The look of the menus' headings and entries: yellow bold Tahoma text, centred, with a border.
LabelStyle menuLabelStyle(Color backColor, float points);

}  // namespace lumenary
