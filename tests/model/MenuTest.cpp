#include "ScreenTest.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

#include <array>
#include <set>

namespace lumenary::testing {
namespace {

class MenuTest : public ScreenTest {
protected:
    intro0& openMainMenu() {
        EXPECT_EQ(open<Titlefrm>().Command1.Caption, "OK");
        click(runtime.form<Titlefrm>().Command1);
        return runtime.form<intro0>();
    }
    TopicMenu& shownMenu() {
        auto* menu = dynamic_cast<TopicMenu*>(runtime.visibleForms().empty() ? nullptr : runtime.visibleForms().back());
        if (!menu) throw std::runtime_error("no topic menu is in front: " + shownScreens());
        return *menu;
    }
    // Five entries in a column from (left, top), evenly spaced and not overlapping.
    static void expectColumn(const ControlArray<Label>& column, Twips left, Twips top) {
        for (int i = 0; i < MenuFrame::menuEntries; ++i) {
            EXPECT_EQ(std::tuple(column[i].Left, column[i].Top - top, column[i].Visible), std::tuple(left, i * (column[1].Top - top), true)) << i;
            EXPECT_GT(column[1].Top - top, column[i].Height) << "not overlapping " << i;
        }
    }
};

// Each topic menu and the screens its activity entries open (none where a lesson has no activity yet).
struct TopicCase {
    const char* name;
    int entry;  // in the main menu
    std::array<const char*, 5> activities;
};
const TopicCase topics[] = {
    {"menu1", 0, {nullptr, nullptr, nullptr, nullptr, "newtonmeter"}},
    {"menu2", 1, {nullptr, nullptr, "phaseslab", "weatherlab", nullptr}},
    {"menu3", 2, {nullptr, "magnets", nullptr, nullptr, nullptr}},
    {"menu4", 3, {}},
    {"menu5", 4, {}},
};

class TopicMenus : public MenuTest, public ::testing::WithParamInterface<TopicCase> {};
INSTANTIATE_TEST_SUITE_P(Menus, TopicMenus, ::testing::ValuesIn(topics), [](const auto& info) { return info.param.name; });

TEST_P(TopicMenus, ACentredHeadingLitTillTheBackgroundIsCrossedLessonsOpeningTheirActivitiesAndTheWayBack) {
    intro0& main = openMainMenu();
    const int entry = GetParam().entry, other = (entry + 1) % MenuFrame::menuEntries;
    const std::string name = main.Label2[entry].Caption, otherName = main.Label2[other].Caption;
    const Twips left = main.Label2[0].Left, top = main.Label2[0].Top;
    const std::string background = main.Picture.sourcePath();
    expectColumn(main.Label2, left, top);
    EXPECT_EQ(main.Label2[intro0::webAddressEntry].BackStyle, backStyle::opaque) << "the web address is a box";
    click(main.Label2[entry]);
    EXPECT_EQ(loadedScreens(), GetParam().name) << "the main menu is gone";
    TopicMenu& menu = shownMenu();
    EXPECT_EQ(menu.Label1.Caption, name);
    expectColumn(menu.Label2, left, top);
    EXPECT_FALSE(menu.Label2.exists(MenuFrame::menuEntries));
    expectColumn(menu.Label3, menu.Label3[0].Left, menu.Label3[0].Top);
    const Twips middle = menu.Label1.Left + menu.Label1.Width / 2;
    EXPECT_NEAR(middle, menu.clientSize().Width / 2, 75) << "in the middle of the window";
    std::set<std::string> lessons;
    for (int i = 0; i < MenuFrame::menuEntries; ++i) {
        EXPECT_EQ(menu.Label3[i].Left + menu.Label3[i].Width / 2, middle) << i;
        lessons.insert(menu.Label3[i].Caption);
    }
    EXPECT_EQ(std::tuple(lessons.size(), lessons.contains("")), std::tuple(5u, false)) << "five different lessons";
    EXPECT_EQ(std::tuple(menu.Picture.sourcePath(), menu.Command1.Picture.sourcePath()), std::tuple(background, std::string("Images\\exit.jpg")))
        << "the main menu's picture";

    EXPECT_EQ(menu.Label1.BackStyle, backStyle::opaque);
    for (int i : {0, 4}) {
        hover(menu.Label2[i]);
        EXPECT_EQ(menu.Label2[i].BackStyle, backStyle::opaque) << "lit under the pointer " << i;
        moveTo(menu, 3000, 7000);  // the bare background
        EXPECT_EQ(std::pair(menu.Label1.BackStyle, menu.Label2[i].BackStyle), std::pair(backStyle::transparent, backStyle::transparent)) << i;
    }
    hover(menu.Label1);
    EXPECT_EQ(menu.Label1.BackStyle, backStyle::opaque);

    platform.draws.assign(10, 0.5f);  // for a question screen's pick
    for (int i = 0; i < MenuFrame::menuEntries; ++i) {
        const char* activity = GetParam().activities[i];
        EXPECT_EQ(menu.Label3[i].BackStyle, backStyle::opaque) << "lessons stay boxes " << i;
        EXPECT_EQ(menu.Label3[i].Enabled, activity != nullptr) << i;
        click(menu.Label3[i]);
        EXPECT_EQ(shownScreens(), menu.name() + (activity ? " " + std::string(activity) : "")) << i;
        if (activity) runtime.dispatch([&] { Unload(*runtime.visibleForms().back()); });
    }

    click(menu.Label2[entry]);
    EXPECT_EQ(&shownMenu(), &menu) << "a menu's own entry does nothing";
    click(menu.Label2[other]);
    EXPECT_EQ(shownMenu().Label1.Caption, otherName);
    EXPECT_EQ(runtime.loadedForms().size(), 2u) << loadedScreens() << ": the menu left is gone; the main menu lends its picture";
    const auto hiddenMain = runtime.form<intro0>().serial();
    click(shownMenu().Command1);
    EXPECT_EQ(loadedScreens() + " / " + shownScreens(), "intro0 / intro0");
    EXPECT_EQ(runtime.form<intro0>().serial(), hiddenMain) << "shown without loading it again";
    click(runtime.form<intro0>().Command1);
    EXPECT_EQ(loadedScreens() + " / " + shownScreens(), "Titlefrm / Titlefrm");
    EXPECT_EQ(runtime.form<Titlefrm>().Command1.Caption, "Cancel");
    click(runtime.form<Titlefrm>().Command1);
    EXPECT_EQ(std::tuple(shownScreens(), platform.errors.size()), std::tuple(std::string("intro0"), 0u)) << "Cancel goes back to the main menu";
}

}  // namespace
}  // namespace lumenary::testing
