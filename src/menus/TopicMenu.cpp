#include "TopicMenu.h"

#include "activities/Activities.h"
#include "framework/Module1.h"
#include "intro0.h"
#include "runtime/Runtime.h"
#include "runtime/language/Translation.h"

namespace lumenary {

TopicMenu::TopicMenu(const TopicMenuRow& row) : MenuFrame(row.name), Label3(*this, "Label3"), row_(row) {
    Label1.setStyle(menuLabelStyle(colors::black, 36)).setBounds({0, 120, row.headingWidth, row.headingHeight});
    Label1.Caption = trFill(N_("Menu %d"), {std::to_string(row.number)});

    Label& firstActivity = Label3.add(0).setStyle(menuLabelStyle(colors::black, 15.75f));
    firstActivity.setBounds({0, 2400, row.activityWidth, 495});
    firstActivity.Caption = tr(row.activities[0]);
    firstActivity.Enabled = false;
    firstActivity.Visible = false;

    Label2.events().Click = [this](int index) { Label2_Click(index); };
    Label3.events().Click = [this](int index) { Label3_Click(index); };
    Command1.events()->Click = [this](int) { Command1_Click(); };
}

void TopicMenu::Form_Load() {
    Module1::setupform(*this);
    BackColor = menuBackColor;
    Picture = form<intro0>().Picture;
    placeExitButton();
    Label1.Left = (Module1::screenWidth - Label1.Width) / 2;
    Label3[0].Left = (Module1::screenWidth - Label3[0].Width) / 2;
    loadColumn(Label2);
    loadColumn(Label3);
    captionMenuEntries();
    for (int i = 1; i < menuEntries; ++i) Label3[i].Caption = tr(row_.activities[i]);
    showMenuEntries();
    for (int i = 0; i < menuEntries; ++i) Label3[i].Visible = true;
    for (const Activity& activity : activities())
        if (activity.menu == row_.number) Label3[activity.entry].Enabled = true;
}

void TopicMenu::Label2_Click(int index) {
    if (index < 0 || index >= menuEntries || index == row_.number - 1) return;
    showTopicMenu(index);
    Unload(*this);
}

void TopicMenu::Label3_Click(int index) {
    for (const Activity& activity : activities())
        if (activity.menu == row_.number && activity.entry == index) screenOf(activity).Show();
}

void TopicMenu::Command1_Click() {
    form<intro0>().Show();
    Unload(*this);
}

}  // namespace lumenary
