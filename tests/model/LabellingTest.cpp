#include "ScreenTest.h"
#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "menus/TopicMenus.h"

#include <filesystem>

namespace lumenary::testing {
namespace {

class LabellingTest : public ScreenTest {
protected:
    template <class Screen>
    Screen& open() {
        runtime.dispatch([] { form<Screen>().Show(); });
        return runtime.form<Screen>();
    }

    // Drags a name label as a pupil does (press on it, move with the left button, release)
    // so that its top-left corner ends at (left, top) before the drop.
    void dropAt(Label& label, Twips left, Twips top, int button = mouse::left) {
        Form& screen = label.form();
        press(screen, label.Left + label.Width / 2, label.Top + label.Height / 2, button);
        moveTo(screen, left + label.Width / 2, top + label.Height / 2, button);
        release(screen, left + label.Width / 2, top + label.Height / 2, button);
    }
    void dropOn(Label& label, const Label& box) { dropAt(label, box.Left, box.Top); }

    static bool restsAt(const Label& label, Twips left, Twips top) { return label.Left == left && label.Top == top; }
    static bool checkScoreShown(const LabellingScreen& s) { return s.Label3[LabellingScreen::checkScoreButton].Visible; }
};

TEST_F(LabellingTest, MoonScreenLoadsWithEveryLabelAtHomeAndTargetsEmpty) {
    phaseslab& moon = open<phaseslab>();
    EXPECT_EQ(moon.Caption, "Phases of the Moon");
    EXPECT_EQ(moon.BackColor, colors::black);
    EXPECT_EQ(moon.itemCount(), 8);
    const char* names[] = {"Waxing Crescent", "Waxing Gibbous", "Waning Gibbous", "First Quarter",
                           "Waning Crescent", "Last Quarter",   "Full Moon",      "New Moon"};
    for (int i = 0; i < 8; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(moon.Label2[i].Caption, names[i]);
        EXPECT_TRUE(moon.Label2[i].Visible);
        EXPECT_EQ(moon.Label1[i].Caption, "");
        EXPECT_EQ(moon.Label1[i].BackStyle, backStyle::transparent);
        EXPECT_TRUE(moon.Label1[i].Visible);
        EXPECT_TRUE(restsAt(moon.Label4[i], moon.Label2[i].Left, moon.Label2[i].Top));
        EXPECT_EQ(moon.Label4[i].Height, 375);
        EXPECT_EQ(moon.Label4[i].Width, i == 5 ? 1845 : 2085);
        EXPECT_TRUE(moon.Label4[i].Visible);
        EXPECT_EQ(moon.Image1[i].picture().sourcePath(), "Images\\phases" + std::to_string(i) + ".jpg");
    }
    EXPECT_FALSE(checkScoreShown(moon));
    EXPECT_FALSE(moon.Label5.Visible);
    EXPECT_EQ(moon.stackOf(nullptr).back(), &moon.Label5) << "the score line is frontmost";
}

TEST_F(LabellingTest, DraggingCentresTheLabelUnderThePointerEvenBeyondTheLabel) {
    phaseslab& moon = open<phaseslab>();
    Label& label = moon.Label2[6];  // home (8400, 7320)
    press(moon, 8500, 7400);
    moveTo(moon, 8600, 7500, mouse::left);
    EXPECT_TRUE(restsAt(label, 8600 - 1042.5f, 7500 - 187.5f));
    moveTo(moon, 300, 200, mouse::left);  // far outside the label: it still has the mouse
    EXPECT_TRUE(restsAt(label, 300 - 1042.5f, 200 - 187.5f));
    release(moon, 300, 200);
    EXPECT_TRUE(restsAt(label, 300 - 1042.5f, 200 - 187.5f)) << "nothing captures it up there";
}

TEST_F(LabellingTest, OnlyTheLeftButtonAloneDragsButAnyReleaseDrops) {
    phaseslab& moon = open<phaseslab>();
    Label& label = moon.Label2[6];
    press(moon, 8500, 7400, mouse::right);
    moveTo(moon, 2000, 2000, mouse::right);
    EXPECT_TRUE(restsAt(label, 8400, 7320));
    press(moon, 2000, 2000, mouse::left);
    moveTo(moon, 2500, 2500, mouse::left | mouse::right);
    EXPECT_TRUE(restsAt(label, 8400, 7320));
    release(moon, 2500, 2500, mouse::left);
    release(moon, 2500, 2500, mouse::right);

    // Put the label into a box's zone by hand, then a right-button release snaps it.
    label.Left = 900, label.Top = 5800;
    press(moon, 1900, 5900, mouse::right);
    release(moon, 1900, 5900, mouse::right);
    EXPECT_TRUE(restsAt(label, 840, 5760));
}

TEST_F(LabellingTest, SnapZonesAreStrictAtTheirBounds) {
    phaseslab& moon = open<phaseslab>();
    Label& label = moon.Label2[0];
    // The Full Moon target, (840, 5760), 2085 x 375: its zone runs from x > -202.5 and y < 6135.
    dropAt(label, -202.5f, 5760);
    EXPECT_TRUE(restsAt(label, -202.5f, 5760)) << "the bound itself is outside";
    dropAt(label, -201.5f, 5760);
    EXPECT_TRUE(restsAt(label, 840, 5760)) << "one twip inside";
    dropAt(label, 840, 6135);
    EXPECT_TRUE(restsAt(label, 840, 6135));
    dropAt(label, 840, 6134);
    EXPECT_TRUE(restsAt(label, 840, 5760));
}

TEST_F(LabellingTest, WhereZonesOverlapTheBoxTestedFirstWins) {
    phaseslab& moon = open<phaseslab>();
    dropAt(moon.Label2[3], 2600, 3120);
    EXPECT_TRUE(restsAt(moon.Label2[3], 3480, 3120)) << "target 0 is tested before target 7";
}

TEST_F(LabellingTest, TheNarrowHomeBoxCapturesOnlyWithinItsOwnWidth) {
    phaseslab& moon = open<phaseslab>();
    Label& label = moon.Label2[7];  // frontmost, so it is the one picked up wherever it lies
    dropAt(label, 600, 6720);  // inside the zone a 2085-wide box would have
    EXPECT_TRUE(restsAt(label, 600, 6720));
    dropAt(label, 640, 6720);
    EXPECT_TRUE(restsAt(label, 1560, 6720)) << "snapped into home box 5";
}

TEST_F(LabellingTest, ALabelDroppedFarFromEveryBoxStaysWhereItWasLetGo) {
    phaseslab& moon = open<phaseslab>();
    dropAt(moon.Label2[2], 4000, 8300);
    EXPECT_TRUE(restsAt(moon.Label2[2], 4000, 8300));
    dropAt(moon.Label2[2], 11000, 600);
    EXPECT_TRUE(restsAt(moon.Label2[2], 11000, 600));
}

TEST_F(LabellingTest, TwoLabelsOnOneTargetStillCompleteTheBoard) {
    phaseslab& moon = open<phaseslab>();
    for (int i = 0; i < 6; ++i) dropOn(moon.Label2[i], moon.Label1[i]);
    dropOn(moon.Label2[6], moon.Label1[6]);
    EXPECT_FALSE(checkScoreShown(moon));
    dropOn(moon.Label2[7], moon.Label1[6]);
    EXPECT_TRUE(checkScoreShown(moon)) << "eight labels on targets, though target 7 is empty";
    EXPECT_EQ(moon.controlAt(moon.Label1[6].Left + 10, moon.Label1[6].Top + 10), &moon.Label2[7]) << "higher index in front";
    click(moon.Label3[LabellingScreen::checkScoreButton]);
    EXPECT_EQ(moon.Label5.Caption, "7 out of 8 correct");
}

TEST_F(LabellingTest, ScoresCountOnlyLabelsOnTheirOwnTargets) {
    phaseslab& moon = open<phaseslab>();
    for (int i = 0; i < 8; ++i) dropOn(moon.Label2[i], moon.Label1[(i + 1) % 8]);
    click(moon.Label3[LabellingScreen::checkScoreButton]);
    EXPECT_TRUE(moon.Label5.Visible);
    EXPECT_EQ(moon.Label5.Caption, "0 out of 8 correct");

    for (int i = 0; i < 8; ++i) dropOn(moon.Label2[i], moon.Label1[i]);
    click(moon.Label3[LabellingScreen::checkScoreButton]);
    EXPECT_EQ(moon.Label5.Caption, "8 out of 8 correct");

    dropAt(moon.Label2[0], 5000, 8300);
    EXPECT_TRUE(checkScoreShown(moon)) << "Check Score stays once shown";
    EXPECT_EQ(moon.Label5.Caption, "8 out of 8 correct");
    EXPECT_TRUE(moon.Label5.Visible);
}

TEST_F(LabellingTest, StartAgainSendsEveryLabelHomeAndHidesTheScore) {
    phaseslab& moon = open<phaseslab>();
    for (int i = 0; i < 8; ++i) dropOn(moon.Label2[i], moon.Label1[i]);
    click(moon.Label3[LabellingScreen::checkScoreButton]);
    click(moon.Label3[LabellingScreen::startAgainButton]);
    EXPECT_FALSE(moon.Label5.Visible);
    EXPECT_FALSE(checkScoreShown(moon));
    for (int i = 0; i < 8; ++i) EXPECT_TRUE(restsAt(moon.Label2[i], moon.Label4[i].Left, moon.Label4[i].Top)) << i;
}

TEST_F(LabellingTest, ButtonsHighlightUnderThePointerAndClearOverTheBackground) {
    phaseslab& moon = open<phaseslab>();
    for (int i = 0; i < 3; ++i) EXPECT_EQ(moon.Label3[i].BackStyle, backStyle::opaque);
    moveTo(moon, 11000, 7000);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(moon.Label3[i].BackStyle, backStyle::transparent);
    hover(moon.Label3[0]);
    hover(moon.Label3[1]);
    hover(moon.Image1[2]);
    EXPECT_EQ(moon.Label3[0].BackStyle, backStyle::opaque);
    EXPECT_EQ(moon.Label3[1].BackStyle, backStyle::opaque);
}

TEST_F(LabellingTest, ExitUncoversTheMenuAndReopeningStartsAfresh) {
    menu2& menu = open<menu2>();
    click(menu.Label3[2]);
    EXPECT_EQ(shownScreens(), "menu2 phaseslab");
    phaseslab& moon = runtime.form<phaseslab>();
    dropOn(moon.Label2[4], moon.Label1[4]);
    click(moon.Label3[LabellingScreen::exitButton]);
    EXPECT_EQ(shownScreens(), "menu2");
    EXPECT_FALSE(runtime.isLoaded<phaseslab>());
    EXPECT_EQ(&runtime.form<menu2>(), &menu) << "the menu was not reloaded";

    click(menu.Label3[2]);
    phaseslab& again = runtime.form<phaseslab>();
    EXPECT_TRUE(restsAt(again.Label2[4], 6120, 6720));
    EXPECT_FALSE(checkScoreShown(again));
}

TEST_F(LabellingTest, BothScreensOpenAtOnceEachKeepTheirOwnCount) {
    phaseslab& moon = open<phaseslab>();
    weatherlab& planets = open<weatherlab>();
    EXPECT_EQ(shownScreens(), "phaseslab weatherlab");
    for (int i = 0; i < 8; ++i) dropOn(moon.Label2[i], moon.Label1[i]);
    EXPECT_TRUE(checkScoreShown(moon));
    click(moon.Label3[LabellingScreen::checkScoreButton]);
    EXPECT_EQ(moon.Label5.Caption, "8 out of 8 correct");
    for (int i = 0; i < 9; ++i) dropOn(planets.Label2[i], planets.Label1[i]);
    click(planets.Label3[LabellingScreen::checkScoreButton]);
    EXPECT_EQ(planets.Label5.Caption, "9 out of 9 correct");
    click(moon.Label3[LabellingScreen::startAgainButton]);
    EXPECT_TRUE(platform.errors.empty());
}

TEST_F(LabellingTest, PlanetsScreenHomeBoxesTakeTheLabelsSize) {
    weatherlab& planets = open<weatherlab>();
    EXPECT_EQ(planets.Caption, "Ordering the Planets");
    EXPECT_EQ(planets.itemCount(), 9);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(planets.Label4[i].Width, 1320);
        EXPECT_EQ(planets.Label4[i].Height, 375);
        EXPECT_TRUE(restsAt(planets.Label4[i], planets.Label2[i].Left, planets.Label2[i].Top));
    }
    EXPECT_EQ(planets.Label2[3].Caption, "Jupiter");
    EXPECT_EQ(planets.Label7.Index(), 0);
    EXPECT_EQ(planets.controlAt(7600, 2900), &planets.Label1[1]) << "Saturn's target over its picture";
    EXPECT_EQ(planets.controlAt(9700, 2950), &planets.Image1[6]) << "Uranus over Saturn's corner";
}

TEST_F(LabellingTest, PlanetsScreenSnapsByItsOwnZones) {
    weatherlab& planets = open<weatherlab>();
    dropAt(planets.Label2[5], 4300, 6720);
    EXPECT_TRUE(restsAt(planets.Label2[5], 3120, 6720)) << "home box of label 1, tested before label 3's";
    dropAt(planets.Label2[5], 10000, 7000);
    EXPECT_TRUE(restsAt(planets.Label2[5], 10440, 7080)) << "the Pluto target";
    dropAt(planets.Label2[5], 100, 7400);
    EXPECT_TRUE(restsAt(planets.Label2[5], 120, 7560)) << "the Mercury target";
}

TEST_F(LabellingTest, AMissingPlanetPictureStopsTheLoadWithAnError) {
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "Images" / "saturn.jpg");
    platform.folder = copy.path();
    runtime.dispatch([] { form<weatherlab>().Show(); });
    ASSERT_EQ(platform.errors.size(), 1u);
    EXPECT_NE(platform.errors[0].find("Images\\saturn.jpg"), std::string::npos);
}

}  // namespace
}  // namespace lumenary::testing
