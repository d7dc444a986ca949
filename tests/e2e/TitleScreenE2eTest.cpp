#include "ScreenGeometry.h"
#include "XSession.h"

#include <gtest/gtest.h>

namespace lumenary::testing {
namespace {

TEST(TitleScreenE2eTest, StartsCentredShowingItsArtworkAndExitEndsWithSuccess) {
    XSession x;
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QString title = x.waitForWindow(" ");
    ASSERT_FALSE(title.isEmpty()) << program.standardError().toStdString();

    // A 1024 x 768 desktop is 15360 x 11520 twips; the window is 5460 x 6570 twips inside
    // a nominal 4-pixel border and 26-pixel title bar, centred as a whole.
    const QRect window = x.geometry(title);
    EXPECT_EQ(window, QRect(330, 178, 364, 438));
    const QImage screen = x.screenshot();
    keep(screen, "title-screen");
    EXPECT_GT(colourAt(screen, atTwips(window, 150, 3000)).lightness(), 200) << "light grey frame";
    EXPECT_LT(colourAt(screen, atTwips(window, 1000, 2400)).lightness(), 120) << "the night sky of the title artwork";

    x.click(atTwips(window, 2760 + 1335 / 2, 6000 - 90 + 375 / 2));  // Exit
    EXPECT_EQ(program.waitForExit(), 0) << program.standardError().toStdString();
}

}  // namespace
}  // namespace lumenary::testing
