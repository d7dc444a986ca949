#include "ScreenGeometry.h"
#include "XSession.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <fstream>

namespace lumenary::testing {
namespace {

TEST(MenuE2eTest, FromTheTitleScreenByKeyboardAndMouseThroughTheMenusAndTheWebAddressBackToItAndExit) {
    // The desktop's opener, replaced by one that notes what it is asked to open.
    QTemporaryDir bin;
    const QString record = bin.filePath("opened.txt");
    std::ofstream(bin.filePath("xdg-open").toStdString()) << "#!/bin/sh\necho \"$@\" >> '" << record.toStdString() << "'\n";
    QFile::setPermissions(bin.filePath("xdg-open"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment env;
    env.insert("PATH", bin.path() + ":" + QProcessEnvironment::systemEnvironment().value("PATH"));

    XSession x;
    ProgramProcess program(x, LUMENARY_APP_DIR, env);
    const QString titleId = x.waitForWindow(" ");
    ASSERT_FALSE(titleId.isEmpty()) << program.standardError().toStdString();
    // Where windows are placed and what they paint is the binding tests' business; here, a
    // person's keys and clicks through the real display.
    const QRect title = x.geometry(titleId);
    // The one menu window that should be showing, a fresh one for each screen.
    QString menuId;
    const auto menu = [&] {
        menuId = x.waitForWindow("Corbelwick", menuId);
        EXPECT_TRUE(x.waitUntil([&] { return x.windowsTitled("Corbelwick").size() == 1; })) << "exactly one menu screen is visible";
        return x.geometry(menuId);
    };
    ASSERT_TRUE(x.waitForFocus(titleId));
    x.key("Return");  // OK has the focus
    QRect window = menu();
    ASSERT_TRUE(x.waitForFocus(menuId));
    x.key("Tab Tab Tab Tab");  // from Exit, which has the focus, past the web address beside it to Menu 1, 2 and 3
    const QPoint ring = atTwips(window, 9600 + 1100, 2400 + 750 * 2) - QPoint(0, 2);
    QImage screen = x.waitForScreen([&](const QImage& s) { return s.pixelColor(ring) == QColor(Qt::white); });
    keep(screen, "keyboard-main-menu");
    EXPECT_EQ(screen.pixelColor(ring), QColor(Qt::white)) << "the ring round Menu 3";
    x.key("Return");
    window = menu();
    x.click(atTwips(window, 60 + 900, 7950 + 250));  // Exit, to the main menu
    window = menu();

    x.click(atTwips(window, 8520 + 3315 / 2, 7800 + 187));  // the web address
    QFile recorded(record);
    ASSERT_TRUE(x.waitUntil([&] { return recorded.exists(); }) && recorded.open(QIODevice::ReadOnly)) << "the opener was never run";
    EXPECT_EQ(QString::fromUtf8(recorded.readAll()).trimmed(), "http://www.corbelwick.example");
    x.click(atTwips(window, 60 + 900, 7950 + 250));  // Exit, to the title screen
    EXPECT_TRUE(x.waitForNoWindow("Corbelwick"));
    ASSERT_EQ(x.geometry(x.waitForWindow(" ")), title);
    x.click(atTwips(title, 2760 + 1335 / 2, 6000 - 90 + 375 / 2));  // Exit
    EXPECT_EQ(program.waitForExit(), 0) << program.standardError().toStdString();
}

}  // namespace
}  // namespace lumenary::testing
