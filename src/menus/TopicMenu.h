#pragma once

#include "MenuFrame.h"

#include <array>
#include <span>

namespace lumenary {

// An activity entry that opens a screen.
struct ActivityLink {
    int entry;
    const char* name;  // the activity screen's own name, by which the command line asks for it
    void (*open)();
};

// Everything in which one topic menu differs from another.
struct TopicMenuRow {
    int number;  // 1 ... 5
    const char* heading;
    Twips headingWidth;
    Twips headingHeight;
    Twips activityWidth;
    std::array<const char*, 5> activities;
    std::span<const ActivityLink> links;
};

// A topic menu: the menu frame with a heading and a centred column of five lesson titles,
// of which those with an activity screen are enabled and open it.
class TopicMenu : public MenuFrame {
public:
    ControlArray<Label> Label3;

    void Form_Load() override;
    void Label2_Click(int index);
    void Label3_Click(int index);
    void Command1_Click();

    // The activities this menu opens.
    std::span<const ActivityLink> links() const { return row_.links; }

protected:
    TopicMenu(std::string name, const TopicMenuRow& row);

private:
    const TopicMenuRow& row_;
};

}  // namespace lumenary
