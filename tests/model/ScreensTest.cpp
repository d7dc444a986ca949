#include "ScreenTest.h"
#include "activities/Activities.h"
#include "app/CommandLine.h"
#include "framework/Module1.h"
#include "menus/StartUp.h"
#include "menus/Titlefrm.h"
#include "menus/intro0.h"
#include "runtime/PicturePath.h"
#include "runtime/ProgramFolder.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace lumenary::testing {
namespace {

using TitleScreenTest = ScreenTest;

TEST_F(TitleScreenTest, WhenTheArtworkFailsOnceTheFallbackIsAStandardScreenShowingItAndTwiceAnError) {
    platform.failingDecodes = 1;
    Titlefrm& title = open<Titlefrm>();
    EXPECT_EQ(std::pair(title.Width, title.Height), std::pair(12000.0f, 9000.0f));
    EXPECT_EQ(std::pair(title.Left + title.Width / 2, title.Top + title.Height / 2), std::pair(7680.0f, 5760.0f)) << "centred";
    EXPECT_FALSE(title.Picture1.Picture.isEmpty() || !platform.errors.empty()) << "the second attempt loaded it";
    Unload(title);
    ProgramFolderCopy copy;
    std::filesystem::remove(copy.path() / "opening" / "tessil00.gif");
    platform.folder = copy.path();
    runtime.dispatch(show<Titlefrm>);
    EXPECT_EQ(platform.errors, std::vector<std::string>{"Cannot load picture \"opening\\tessil00.gif\": the file does not exist"});
}

// A screen carrying whichever standard buttons a test asks for, each designed at (1, 1234)
// and 100 x 100 with a tab stop, so that every change the set-up makes shows.
struct ButtonsScreen : Form {
    static inline std::vector<std::string> buttons;
    static constexpr const char* screenName = "ButtonsScreen";
    ButtonsScreen() : Form(screenName) {
        for (const std::string& name : buttons) add<CommandButton>(name).setBounds({1, 1234, 100, 100});
    }
    void Form_Load() override { Module1::setupform(*this); }
};

class SetupFormTest : public ScreenTest {
protected:
    ButtonsScreen& load(std::vector<std::string> buttons) {
        if (runtime.loaded(ButtonsScreen::screenName)) Unload(runtime.form<ButtonsScreen>());
        ButtonsScreen::buttons = std::move(buttons);
        return runtime.form<ButtonsScreen>();
    }
    static const CommandButton& button(const Form& f, const char* name) { return f.control<CommandButton>(name); }
};

TEST_F(SetupFormTest, StandardButtonsTakeTheirFacesAndSizesAndStackUpTheRightHandSide) {
    // No screen of the program shows the faces but Exit's; a program folder that has them all.
    ProgramFolderCopy copy;
    for (const char* face : {"next", "answer", "check", "jotter", "scramble"})
        std::filesystem::copy_file(copy.path() / "Images/exit.jpg", copy.path() / "Images" / (face + std::string(".jpg")));
    platform.folder = copy.path();
    ButtonsScreen& screen = load({"cmdexit", "cmdgo", "cmdjotter", "cmdsoln", "cmdcheckit", "cmdscramble"});
    const std::pair<const char*, const char*> faces[] = {{"cmdexit", "exit"},     {"cmdgo", "next"},       {"cmdsoln", "answer"},
                                                         {"cmdcheckit", "check"}, {"cmdjotter", "jotter"}, {"cmdscramble", "scramble"}};
    const TwipsMapping mapping;
    for (const auto& [name, face] : faces) {
        const CommandButton& b = button(screen, name);
        EXPECT_EQ(b.Picture.sourcePath().find(face), 7u) << name << " shows " << b.Picture.sourcePath();
        if (b.name() == "cmdscramble") continue;
        EXPECT_EQ(std::pair(b.Width, b.Height), std::pair(mapping.toTwips(b.Picture.width()), mapping.toTwips(b.Picture.height()))) << name;
    }
    const TwipsSize client = screen.clientSize();
    const CommandButton &go = button(screen, "cmdgo"), &exit = button(screen, "cmdexit"), &scramble = button(screen, "cmdscramble");
    EXPECT_NEAR(go.Left + go.Width, client.Width, 60) << "in the bottom right-hand corner";
    EXPECT_NEAR(go.Top + go.Height, client.Height, 60);
    EXPECT_EQ(exit.Top, go.Top) << "in the bottom left-hand corner, where the menus' exit stands";
    EXPECT_EQ(std::tuple(exit.Left, exit.Top, exit.Width, exit.Height), std::tuple(60.0f, 7950.0f, 1785.0f, 495.0f));
    const char* column[] = {"cmdgo", "cmdjotter", "cmdsoln", "cmdcheckit"};
    for (int i = 1; i < 4; ++i)
        EXPECT_EQ(std::pair(button(screen, column[i]).Left, button(screen, column[i]).Top + go.Height), std::pair(go.Left, button(screen, column[i - 1]).Top))
            << column[i] << " stands on " << column[i - 1];
    EXPECT_EQ(std::pair(scramble.Left, scramble.Top), std::pair(1.0f, 1234.0f)) << "only its face changes";
    EXPECT_EQ(screen.BackColor, (Color{49, 135, 214})) << "the standard blue, a shade from the main menu's";
    screen.Show();
    EXPECT_EQ(screen.focused(), &scramble) << "the other standard buttons leave the tab order";
}

TEST_F(SetupFormTest, AStatementNamingAMissingButtonOrFaceIsSkippedAloneAndCentringIsNeverClamped) {
    const CommandButton& jotter = button(load({"cmdjotter"}), "cmdjotter");
    EXPECT_EQ(std::tuple(jotter.Top, jotter.Left, jotter.TabStop), std::tuple(1234.0f, 10050.0f, false)) << "no cmdgo to stand on";
    platform.desktop = {9600, 7200};
    const Form& screen = load({"cmdgo", "cmdexit"});
    EXPECT_EQ(std::pair(screen.Left, screen.Top), std::pair(-1200.0f, -900.0f)) << "centred on a desktop smaller than the screen";
    EXPECT_EQ(std::tuple(button(screen, "cmdgo").Picture.isEmpty(), button(screen, "cmdgo").Top, button(screen, "cmdexit").Picture.isEmpty(), platform.errors.size()),
              std::tuple(true, button(screen, "cmdexit").Top, false, 0u));
}

// Each topic menu and the screens its activity entries open (none where a lesson has no activity yet).
struct TopicCase { const char* name; int entry /* in the main menu */; std::array<const char*, 5> activities; };
const TopicCase topics[] = {
    {"menu1", 0, {nullptr, nullptr, nullptr, nullptr, "newtonmeter"}},
    {"menu2", 1, {nullptr, nullptr, "phaseslab", "weatherlab", nullptr}},
    {"menu3", 2, {nullptr, "magnets", nullptr, nullptr, nullptr}},
    {"menu4", 3, {}},
    {"menu5", 4, {}},
};

class TopicMenus : public ScreenTest, public ::testing::WithParamInterface<TopicCase> {
protected:
    TopicMenu& shownMenu() { return Runtime::checkedCast<TopicMenu>(*runtime.visibleForms().back()); }
};
INSTANTIATE_TEST_SUITE_P(Menus, TopicMenus, ::testing::ValuesIn(topics), [](const auto& info) { return info.param.name; });

// How the menus look as they open (headings, lessons without an activity disabled) is in their
// layout records; here, what they do.
TEST_P(TopicMenus, TheHeadingLitTillTheBackgroundIsCrossedLessonsOpeningTheirActivitiesAndTheWayBackToTheTitlesExit) {
    click(open<Titlefrm>().Command1);
    click(runtime.form<intro0>().Label2[intro0::webAddressEntry]);
    ASSERT_EQ(std::tuple(platform.shellCalls.size(), shownScreens()), std::tuple(1u, std::string("intro0"))) << "the address opens beside the menu";
    EXPECT_EQ(std::tuple(platform.shellCalls[0].owner, platform.shellCalls[0].operation, platform.shellCalls[0].target),
              std::tuple(&runtime.form<intro0>(), "open", "www.corbelwick.example"));
    const int entry = GetParam().entry, other = (entry + 1) % MenuFrame::menuEntries;
    click(runtime.form<intro0>().Label2[entry]);
    EXPECT_EQ(loadedScreens(), GetParam().name) << "the main menu is gone";
    TopicMenu& menu = shownMenu();
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
        click(menu.Label3[i]);
        EXPECT_EQ(shownScreens(), menu.name() + (activity ? " " + std::string(activity) : "")) << i;
        if (activity) runtime.dispatch([&] { Unload(*runtime.visibleForms().back()); });
    }

    click(menu.Label2[entry]);
    EXPECT_EQ(&shownMenu(), &menu) << "a menu's own entry does nothing";
    click(menu.Label2[other]);
    const std::string next = topics[other].name;
    EXPECT_EQ(loadedScreens() + " / " + shownScreens(), next + " intro0 / " + next) << "the menu left is gone; the main menu lends its picture";
    const auto hiddenMain = runtime.form<intro0>().serial();
    click(shownMenu().Command1);
    EXPECT_EQ(loadedScreens() + " / " + shownScreens(), "intro0 / intro0");
    EXPECT_EQ(runtime.form<intro0>().serial(), hiddenMain) << "shown without loading it again";
    click(runtime.form<intro0>().Command1);
    EXPECT_EQ(loadedScreens() + " / " + shownScreens(), "Titlefrm / Titlefrm");
    EXPECT_EQ(runtime.form<Titlefrm>().Command1.Caption, "Cancel");
    click(runtime.form<Titlefrm>().Command1);
    EXPECT_EQ(std::tuple(shownScreens(), platform.errors.size()), std::tuple(std::string("intro0"), 0u)) << "Cancel goes back to the main menu";
    click(runtime.form<intro0>().Command1);
    for (Key key : {Key::BackTab, Key::Space}) runtime.dispatch([&] { runtime.form<Titlefrm>().keyPress(key); });
    EXPECT_EQ(std::tuple(runtime.hasEnded(), runtime.exitStatus(), loadedScreens()), std::tuple(true, 0, "")) << "the title's exit ends with success";
}

namespace fs = std::filesystem;

// The exit status when the program ends at once; the activity, "" for the title screen; the screens shown
// once started, back to front; how what it says as it ends begins, and whether the usage follows.
struct Launch { QStringList arguments; int exitStatus; bool fullScreen; const char* activity, *shown, *says = ""; bool withUsage = false; };

class StartUp : public ScreenTest, public ::testing::WithParamInterface<Launch> {};

TEST_P(StartUp, TheCommandLineStartsWhatATeacherAskedForOrSaysWhatIsAccepted) {
    const Launch& launch = GetParam();
    const CommandLine read = readCommandLine(QStringList{"lumenary"} + launch.arguments);
    ASSERT_EQ(read.options.has_value(), *launch.shown != '\0');
    EXPECT_TRUE(read.said.starts_with(launch.says)) << read.said;
    EXPECT_EQ(read.said.find("\nUsage: lumenary [options]\n") != std::string::npos, launch.withUsage) << read.said;
    EXPECT_EQ(read.exitStatus, launch.exitStatus);
    if (!read.options) return;
    EXPECT_EQ(std::tuple(read.options->fullScreen, std::string(read.options->activity ? read.options->activity->name : ""), read.said),
              std::tuple(launch.fullScreen, std::string(launch.activity), std::string()));
    platform.draws = {0.5f};
    runtime.dispatch([&] { read.options->activity ? startInActivity(*read.options->activity) : startOnTitleScreen(); });
    EXPECT_EQ(std::tuple(shownScreens(), platform.errors.size()), std::tuple(std::string(launch.shown), 0u));
}
INSTANTIATE_TEST_SUITE_P(Launches, StartUp, ::testing::Values(
    Launch{{}, 0, false, "", "Titlefrm"},
    Launch{{"--fullscreen"}, 0, true, "", "Titlefrm"},
    Launch{{"--activity", "phaseslab"}, 0, false, "phaseslab", "menu2 phaseslab"},
    Launch{{"--activity=weatherlab", "--fullscreen"}, 0, true, "weatherlab", "menu2 weatherlab"},
    Launch{{"--activity", "newtonmeter"}, 0, false, "newtonmeter", "menu1 newtonmeter"},
    Launch{{"--activity", "magnets"}, 0, false, "magnets", "menu3 magnets"},
    Launch{{"--activity", "nosuch"}, 2, false, "", "", "Unknown activity \"nosuch\". The activities are: newtonmeter, phaseslab, weatherlab, magnets.\n"},
    Launch{{"--activity"}, 2, false, "", "", "Missing value after '--activity'.", true},
    Launch{{"--bogus"}, 2, false, "", "", "Unknown option 'bogus'.", true},
    Launch{{"phaseslab"}, 2, false, "", "", "Unexpected argument: phaseslab\n", true},
    Launch{{"--version"}, 0, false, "", "", "Lumenary 0.1\n"},
    Launch{{"--help"}, 0, false, "", "", "Usage: lumenary [options]\n"}));

TEST(ProgramFolder, BesideTheExecutableOrInstalledUnderShare) {
    const fs::path root = fs::temp_directory_path() / ("lumenary-folder-" + std::to_string(::getpid()));
    for (const char* folder : {"app/images", "bin", "share/lumenary/Images"}) fs::create_directories(root / folder);
    std::ofstream(root / "share/lumenary/Images/exit.jpg") << "x";

    EXPECT_EQ(findProgramFolder(root / "app"), root / "app") << "a copied program folder, any case";
    EXPECT_EQ(findProgramFolder(root / "bin"), root / "share" / "lumenary");
    EXPECT_EQ(resolvePicturePath(root / "share" / "lumenary", "images\\EXIT.jpg"), fs::canonical(root / "share/lumenary/Images/exit.jpg"));
    fs::remove_all(root);
}

}  // namespace
}  // namespace lumenary::testing
