#include "ScreenTest.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

#include <array>
#include <filesystem>

namespace lumenary::testing {
namespace {

class MenuLayoutAndHoverTest : public ScreenTest {
protected:
    template <class Menu>
    Menu& open() {
        runtime.form<Menu>().Show();
        return runtime.form<Menu>();
    }
    // A point of the bare background, clear of every control.
    static constexpr Twips bareX = 3000, bareY = 7000;
};

TEST_F(MenuLayoutAndHoverTest, MainMenuStartsWithNoHighlightAndTheWebEntryOpaque) {
    intro0& main = open<intro0>();
    EXPECT_EQ(main.Label1.BackStyle, backStyle::transparent);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(main.Label2[i].BackStyle, backStyle::transparent);
        EXPECT_TRUE(main.Label2[i].Visible);
        EXPECT_EQ(main.Label2[i].Left, 9600);
        EXPECT_EQ(main.Label2[i].Top, 2400 + 750 * i);
        EXPECT_EQ(main.Label2[i].Caption, "Menu " + std::to_string(i + 1));
        EXPECT_EQ(main.Label2[i].BackColor, colors::blue);
        EXPECT_EQ(main.Label2[i].Font.Size, 18);
    }
    EXPECT_FALSE(main.Label2.exists(5));
    EXPECT_EQ(main.Label2[6].BackStyle, backStyle::opaque);
    EXPECT_EQ(main.BackColor, (Color{49, 135, 215}));
    EXPECT_EQ(main.Picture.sourcePath(), "Images\\tessil3.jpg");
    EXPECT_EQ(main.Command1.Left, 60);
    EXPECT_EQ(main.Command1.Top, 7950);
    EXPECT_EQ(main.Command1.Picture.sourcePath(), "Images\\exit.jpg");
}

TEST_F(MenuLayoutAndHoverTest, MainMenuHighlightFollowsThePointerAcrossEntriesAndBackground) {
    intro0& main = open<intro0>();
    hover(main.Label2[2]);
    EXPECT_EQ(main.Label2[2].BackStyle, backStyle::opaque);
    moveTo(main, 9600 + 100, 2400 + 750 * 3 - 100);  // in the gap between two entries
    EXPECT_EQ(main.Label2[2].BackStyle, backStyle::transparent);

    hover(main.Label2[0]);
    hover(main.Label2[1]);
    hover(main.Label1);
    EXPECT_EQ(main.Label2[0].BackStyle, backStyle::opaque) << "no move over the gap, so both stay";
    EXPECT_EQ(main.Label2[1].BackStyle, backStyle::opaque);
    EXPECT_EQ(main.Label1.BackStyle, backStyle::opaque);

    hover(main.Image2);
    hover(main.Label3);
    hover(main.Command1);
    EXPECT_EQ(main.Label2[0].BackStyle, backStyle::opaque) << "the logo, notice and exit button change nothing";

    moveTo(main, bareX, bareY);
    EXPECT_EQ(main.Label1.BackStyle, backStyle::transparent);
    EXPECT_EQ(main.Label2[0].BackStyle, backStyle::transparent);
    EXPECT_EQ(main.Label2[1].BackStyle, backStyle::transparent);
    EXPECT_EQ(main.Label2[6].BackStyle, backStyle::opaque) << "the web entry is never reset";
}

TEST_F(MenuLayoutAndHoverTest, TopicMenuHeadingIsOpaqueUntilThePointerFirstCrossesTheBackground) {
    menu3& menu = open<menu3>();
    EXPECT_EQ(menu.Label1.BackStyle, backStyle::opaque);
    moveTo(menu, bareX, bareY);
    EXPECT_EQ(menu.Label1.BackStyle, backStyle::transparent);
    hover(menu.Label1);
    EXPECT_EQ(menu.Label1.BackStyle, backStyle::opaque);
    hover(menu.Label3[0]);
    moveTo(menu, bareX, bareY);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(menu.Label3[i].BackStyle, backStyle::opaque) << "activity entries stay boxes";
}

struct MenuLayout {
    const char* name;
    Twips headingLeft, headingWidth, headingHeight, columnLeft, columnWidth;
    std::array<const char*, 5> activities;
};

void expectLayout(const TopicMenu& menu, const MenuLayout& expected) {
    SCOPED_TRACE(expected.name);
    EXPECT_EQ(menu.Label1.Left, expected.headingLeft);
    EXPECT_EQ(menu.Label1.Top, 120);
    EXPECT_EQ(menu.Label1.Width, expected.headingWidth);
    EXPECT_EQ(menu.Label1.Height, expected.headingHeight);
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(menu.Label3[i].Left, expected.columnLeft);
        EXPECT_EQ(menu.Label3[i].Top, 2400 + 750 * i);
        EXPECT_EQ(menu.Label3[i].Width, expected.columnWidth);
        EXPECT_EQ(menu.Label3[i].Height, 495);
        EXPECT_EQ(menu.Label3[i].Caption, expected.activities[i]);
        EXPECT_TRUE(menu.Label3[i].Visible);
        EXPECT_EQ(menu.Label2[i].Left, 9600);
        EXPECT_EQ(menu.Label2[i].Top, 2400 + 750 * i);
    }
}

TEST_F(MenuLayoutAndHoverTest, EachTopicMenuCentresItsHeadingAndActivityColumn) {
    // clang-format off
    expectLayout(open<menu1>(), {"menu1", 2797.5f, 6405, 1020, 3472.5f, 5055, {"Renewable Resources", "Energy Chains", "Circuit Symbols", "Which Lamps Are On?", "Newton Meter"}});
    expectLayout(open<menu2>(), {"menu2", 4297.5f, 3405,  900, 3652.5f, 4695, {"Speed", "Calculating Density", "Phases of the Moon", "Ordering the Planets", "Reading a Thermometer"}});
    expectLayout(open<menu3>(), {"menu3", 4297.5f, 3405,  900, 3892.5f, 4215, {"Changing State", "Repel or Attract?", "Reflection", "Refraction", "Colour"}});
    expectLayout(open<menu4>(), {"menu4", 4297.5f, 3405,  900, 3172.5f, 5655, {"Sound and Waves", "The Ear", "Energy Diagrams", "Calculating Efficiency", "Weight on Different Planets"}});
    expectLayout(open<menu5>(), {"menu5", 4297.5f, 3405,  900, 3232.5f, 5535, {"Movement and Forces", "Distance-time Graphs", "Calculating Moments", "Calculating Pressure", "Direction of Movement of a Beam"}});
    // clang-format on
}

TEST_F(MenuLayoutAndHoverTest, TopicMenusShareTheMainMenusPicture) {
    menu4& menu = open<menu4>();
    EXPECT_TRUE(runtime.isLoaded<intro0>());
    EXPECT_FALSE(runtime.form<intro0>().isVisible());
    EXPECT_EQ(menu.Picture, runtime.form<intro0>().Picture);
}

TEST_F(MenuLayoutAndHoverTest, AMissingMenuPictureStopsTheLoadWithAnError) {
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "Images" / "logo2.jpg");
    platform.folder = copy.path();
    runtime.dispatch([] { form<menu2>().Show(); });
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("Images\\logo2.jpg"), std::string::npos);
    EXPECT_EQ(runtime.exitStatus(), 1);
}

}  // namespace
}  // namespace lumenary::testing
