#pragma once

#include "activities/TextSpot.h"
#include "runtime/ControlArray.h"
#include "runtime/Form.h"
#include "runtime/controls/Label.h"

#include <span>

namespace lumenary {

// What the labelling and the question screens share: their label buttons Label3, yellow bold
// Tahoma in black boxes that light up under the pointer and clear over the bare background, and
// their yellow texts.
class ActivityScreen : public Form {
public:
    ControlArray<Label> Label3;

    void Label3_MouseMove(int index, int button, int shift, Twips x, Twips y);
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override;

protected:
    ActivityScreen(std::string name, std::string caption);

    // A label button's look, boxed in `backColor`.
    static LabelStyle buttonStyle(Color backColor);
    // Label3's elements 0, 1, ... as the table lists them.
    void addLabelButtons(std::span<const ButtonSpot> buttons);
    // A yellow text, centred in its box.
    static Label& placeText(Label& label, const TextSpot& spot);
};

}  // namespace lumenary
