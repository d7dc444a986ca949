#include "ScreenTest.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

namespace lumenary::testing {
namespace {

class MenuNavigationTest : public ScreenTest {
protected:
    intro0& openMainMenu() {
        runtime.dispatch([] { form<Titlefrm>().Show(); });
        click(runtime.form<Titlefrm>().Command1);
        return runtime.form<intro0>();
    }
    template <class Menu>
    Menu& shown() {
        EXPECT_TRUE(isShown<Menu>());
        return runtime.form<Menu>();
    }
};

TEST_F(MenuNavigationTest, TheWholeNavigationTableFromTitleToTitleAndBack) {
    intro0& main = openMainMenu();
    EXPECT_EQ(shownScreens(), "intro0");
    EXPECT_EQ(main.Caption, "Corbelwick");

    click(main.Label2[2]);
    EXPECT_EQ(shownScreens(), "menu3");
    EXPECT_EQ(loadedScreens(), "menu3") << "the main menu is gone once the topic menu is shown";
    EXPECT_EQ(runtime.form<menu3>().Caption, "Corbelwick");

    click(shown<menu3>().Label2[4]);
    EXPECT_EQ(shownScreens(), "menu5");
    EXPECT_EQ(loadedScreens(), "menu5 intro0") << "menu5 read the main menu's picture, loading it hidden";
    const auto hiddenMainMenu = runtime.form<intro0>().serial();

    click(shown<menu5>().Command1);
    EXPECT_EQ(shownScreens(), "intro0");
    EXPECT_EQ(loadedScreens(), "intro0");
    EXPECT_EQ(runtime.form<intro0>().serial(), hiddenMainMenu) << "shown without loading it again";

    click(runtime.form<intro0>().Command1);
    EXPECT_EQ(shownScreens(), "Titlefrm");
    EXPECT_EQ(runtime.form<Titlefrm>().Command1.Caption, "Cancel");

    click(runtime.form<Titlefrm>().Command1);
    EXPECT_EQ(shownScreens(), "intro0");
    EXPECT_EQ(loadedScreens(), "intro0");
}

TEST_F(MenuNavigationTest, EveryMenuEntryOpensItsTopicMenuFromTheMainMenu) {
    for (int entry = 0; entry < 5; ++entry) {
        click(openMainMenu().Label2[entry]);
        const std::string expected = "menu" + std::to_string(entry + 1);
        EXPECT_EQ(shownScreens(), expected);
        auto* topic = dynamic_cast<TopicMenu*>(runtime.visibleForms().back());
        ASSERT_NE(topic, nullptr);
        EXPECT_EQ(topic->Label1.Caption, "Menu " + std::to_string(entry + 1));
        click(topic->Command1);
        click(runtime.form<intro0>().Command1);
        EXPECT_EQ(shownScreens(), "Titlefrm");
        runtime.dispatch([&] { Unload(runtime.form<Titlefrm>()); });
    }
}

TEST_F(MenuNavigationTest, AMenusOwnEntryDoesNothingAndKeepsItsHighlight) {
    click(openMainMenu().Label2[1]);
    menu2& menu = shown<menu2>();
    const auto serial = menu.serial();
    hover(menu.Label2[1]);
    click(menu.Label2[1]);
    EXPECT_EQ(shownScreens(), "menu2");
    EXPECT_EQ(runtime.form<menu2>().serial(), serial);
    EXPECT_EQ(menu.Label2[1].BackStyle, backStyle::opaque);
}

TEST_F(MenuNavigationTest, SwitchingBackToAMenuLoadsItFresh) {
    click(openMainMenu().Label2[0]);
    menu1& first = shown<menu1>();
    moveTo(first, 100, 1500);
    hover(first.Label2[2]);
    click(first.Label2[2]);
    click(shown<menu3>().Label2[0]);
    menu1& again = shown<menu1>();
    EXPECT_EQ(again.Label1.BackStyle, backStyle::opaque) << "heading opaque again";
    for (int i = 0; i < 5; ++i) EXPECT_EQ(again.Label2[i].BackStyle, backStyle::transparent);
    EXPECT_EQ(loadedScreens(), "intro0 menu1") << "menu3 had loaded the main menu hidden";
}

TEST_F(MenuNavigationTest, StraightToATopicMenuAndBackLoadsTheMainMenuAfresh) {
    intro0& main = openMainMenu();
    const auto first = main.serial();
    hover(main.Label2[4]);
    click(main.Label2[4]);
    click(shown<menu5>().Command1);
    intro0& back = shown<intro0>();
    EXPECT_NE(back.serial(), first);
    EXPECT_EQ(back.Label2[4].BackStyle, backStyle::transparent) << "no highlight";
}

TEST_F(MenuNavigationTest, ActivityEntriesWithoutAnActivityAreGreyedAndIgnoreClicks) {
    click(openMainMenu().Label2[3]);
    menu4& menu = shown<menu4>();
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(menu.Label3[i].Enabled) << i;
        click(menu.Label3[i]);
    }
    EXPECT_EQ(shownScreens(), "menu4");
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(MenuNavigationTest, EnabledActivityEntriesOpenTheirScreenInFrontOfTheMenu) {
    click(openMainMenu().Label2[1]);
    menu2& menu = shown<menu2>();
    const bool enabled[] = {false, false, true, true, false};
    for (int i = 0; i < 5; ++i) EXPECT_EQ(menu.Label3[i].Enabled, enabled[i]) << i;
    click(menu.Label3[3]);
    EXPECT_EQ(shownScreens(), "menu2 weatherlab");
    click(menu.Label3[4]);
    EXPECT_EQ(shownScreens(), "menu2 weatherlab") << "a greyed entry does nothing";
}

TEST_F(MenuNavigationTest, TheWebAddressEntryAsksTheShellEachTimeAndTheMenuStays) {
    intro0& main = openMainMenu();
    click(main.Label2[intro0::webAddressEntry]);
    click(main.Label2[intro0::webAddressEntry]);
    ASSERT_EQ(platform.shellCalls.size(), 2u);
    EXPECT_EQ(platform.shellCalls[0].operation, "open");
    EXPECT_EQ(platform.shellCalls[0].target, main.Label2[intro0::webAddressEntry].Caption);
    EXPECT_EQ(platform.shellCalls[0].owner, &main);
    EXPECT_EQ(shownScreens(), "intro0");
}

}  // namespace
}  // namespace lumenary::testing
