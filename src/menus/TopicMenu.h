#pragma once

#include "MenuFrame.h"

#include <array>

namespace lumenary {

// Everything in which one topic menu differs from another; which entries open an activity is
// the activities' catalogue's to say.
struct TopicMenuRow {
    int number;  // 1 ... 5
    const char* name;
    Twips headingWidth;
    Twips headingHeight;
    Twips activityWidth;
    std::array<const char*, 5> activities;
};

// A topic menu: the menu frame with a heading and a centred column of five lesson titles,
// of which those with an activity screen are enabled and open it.
class TopicMenu : public MenuFrame {
public:
    explicit TopicMenu(const TopicMenuRow& row);

    ControlArray<Label> Label3;

    void Form_Load() override;
    void Label2_Click(int index);
    void Label3_Click(int index);
    void Command1_Click();

    int number() const { return row_.number; }

private:
    const TopicMenuRow& row_;
};

}  // namespace lumenary
