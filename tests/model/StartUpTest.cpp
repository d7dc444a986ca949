#include "ScreenTest.h"
#include "app/CommandLine.h"
#include "runtime/PicturePath.h"
#include "runtime/ProgramFolder.h"

#include <filesystem>
#include <fstream>

#include <unistd.h>

namespace lumenary::testing {
namespace {

namespace fs = std::filesystem;

struct Launch {
    QStringList arguments;
    int exitStatus;          // when the program ends at once
    bool fullScreen;
    const char* activity;    // "" for the title screen
    const char* shown;       // the screens shown once started, back to front
};

class StartUp : public ScreenTest, public ::testing::WithParamInterface<Launch> {};

TEST_P(StartUp, TheCommandLineStartsWhatATeacherAskedForOrSaysWhatIsAccepted) {
    const Launch& launch = GetParam();
    const CommandLine read = readCommandLine(QStringList{"lumenary"} + launch.arguments);
    ASSERT_EQ(read.options.has_value(), *launch.shown != '\0');
    if (!read.options) {
        EXPECT_EQ(read.exitStatus, launch.exitStatus);
        return;
    }
    EXPECT_EQ(std::tuple(read.options->fullScreen, std::string(read.options->activity ? read.options->activity->name() : "")),
              std::tuple(launch.fullScreen, std::string(launch.activity)));
    platform.draws = {0.5f};
    runtime.dispatch([&] { read.options->activity ? read.options->activity->open() : startOnTitleScreen(); });
    EXPECT_EQ(std::tuple(shownScreens(), platform.errors.size()), std::tuple(std::string(launch.shown), 0u));
}
INSTANTIATE_TEST_SUITE_P(Launches, StartUp, ::testing::Values(
    Launch{{}, 0, false, "", "Titlefrm"},
    Launch{{"--fullscreen"}, 0, true, "", "Titlefrm"},
    Launch{{"--activity", "phaseslab"}, 0, false, "phaseslab", "menu2 phaseslab"},
    Launch{{"--activity=weatherlab", "--fullscreen"}, 0, true, "weatherlab", "menu2 weatherlab"},
    Launch{{"--activity", "newtonmeter"}, 0, false, "newtonmeter", "menu1 newtonmeter"},
    Launch{{"--activity", "magnets"}, 0, false, "magnets", "menu3 magnets"},
    Launch{{"--activity", "nosuch"}, 2, false, "", ""},
    Launch{{"--activity"}, 2, false, "", ""},
    Launch{{"--bogus"}, 2, false, "", ""},
    Launch{{"phaseslab"}, 2, false, "", ""},
    Launch{{"--version"}, 0, false, "", ""}));

TEST(ProgramFolder, BesideTheExecutableOrInstalledUnderShare) {
    const fs::path root = fs::temp_directory_path() / ("lumenary-folder-" + std::to_string(::getpid()));
    for (const char* folder : {"app/images", "bin", "share/lumenary/Images"}) fs::create_directories(root / folder);
    std::ofstream(root / "share/lumenary/Images/exit.jpg") << "x";

    EXPECT_EQ(findProgramFolder(root / "app"), root / "app") << "a copied program folder, any case";
    const fs::path installed = findProgramFolder(root / "bin");
    EXPECT_EQ(installed, root / "share" / "lumenary");
    EXPECT_EQ(resolvePicturePath(installed, "images\\EXIT.jpg"), fs::canonical(root / "share/lumenary/Images/exit.jpg"));
    fs::remove_all(root);
}

}  // namespace
}  // namespace lumenary::testing
