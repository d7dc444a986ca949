#include "ScreenGeometry.h"
#include "ScreenTest.h"
#include "XSession.h"

#include <filesystem>

namespace lumenary::testing {
namespace {

const QString titleCaption = " ";

TEST(TitleScreenE2eTest, StartsCentredAtItsOwnSizeAndExitEndsWithSuccess) {
    XSession x;
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QString title = x.waitForWindow(titleCaption);
    ASSERT_FALSE(title.isEmpty()) << program.standardError().toStdString();

    // A 1024 x 768 desktop is 15360 x 11520 twips; the window is 5460 x 6570 twips inside
    // a nominal 4-pixel border and 26-pixel title bar, centred as a whole.
    const QRect window = x.geometry(title);
    EXPECT_EQ(window, QRect(330, 178, 364, 438));

    const QImage screen = x.screenshot();
    keep(screen, "title-screen");
    const QColor frame = colourAt(screen, atTwips(window, 150, 3000));
    const QColor artwork = colourAt(screen, atTwips(window, 1000, 2400));
    EXPECT_GT(frame.lightness(), 200) << "light grey frame";
    EXPECT_LT(artwork.lightness(), 120) << "the night sky of the title artwork";

    x.click(atTwips(window, 2760 + 1335 / 2, 6000 - 90 + 375 / 2));
    EXPECT_EQ(program.waitForExit(), 0) << program.standardError().toStdString();
}

TEST(TitleScreenE2eTest, ClosingTheLastWindowEndsTheProgram) {
    XSession x;
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QString title = x.waitForWindow(titleCaption);
    ASSERT_FALSE(title.isEmpty());
    x.requestClose(title);
    EXPECT_EQ(program.waitForExit(), 0) << program.standardError().toStdString();
}

TEST(TitleScreenE2eTest, MissingArtworkIsReportedByNameAndTheProgramFails) {
    ProgramFolderCopy copy;
    std::filesystem::copy_file(std::filesystem::path(LUMENARY_APP_DIR) / "lumenary", copy.path() / "lumenary",
                               std::filesystem::copy_options::overwrite_existing);
    std::filesystem::remove(copy.path() / "opening" / "tessil00.gif");
    XSession x;
    ProgramProcess program(x, QString::fromStdString(copy.path().string()));

    const QString dialog = x.waitForWindow("Lumenary");
    ASSERT_FALSE(dialog.isEmpty()) << "an error dialog appears";
    keep(x.screenshot(), "title-missing-artwork");
    x.key("Return");
    const auto status = program.waitForExit();
    ASSERT_TRUE(status.has_value());
    EXPECT_NE(*status, 0);
    EXPECT_TRUE(program.standardError().contains("opening\\tessil00.gif")) << program.standardError().toStdString();
}

}  // namespace
}  // namespace lumenary::testing
