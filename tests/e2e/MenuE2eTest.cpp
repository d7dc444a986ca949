#include "ScreenGeometry.h"
#include "XSession.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <gtest/gtest.h>

namespace lumenary::testing {
namespace {

const QString menuCaption = "Corbelwick";

class MenuE2eTest : public ::testing::Test {
protected:
    XSession x;

    // Starts the program and clicks OK on the title screen; the main menu's window.
    QRect openMainMenu(ProgramProcess& program) {
        const QString title = x.waitForWindow(" ");
        EXPECT_FALSE(title.isEmpty()) << program.standardError().toStdString();
        x.click(atTwips(x.geometry(title), 1320 + 1335 / 2, 6000 - 90 + 375 / 2));
        return currentMenu();
    }
    // The one menu window that should be showing.
    QRect currentMenu() {
        const QString id = x.waitForWindow(menuCaption);
        EXPECT_EQ(x.windowsTitled(menuCaption).size(), 1) << "exactly one menu screen is visible";
        return x.geometry(id);
    }
    static bool isBlack(const QColor& c) { return c.red() < 20 && c.green() < 20 && c.blue() < 20; }
};

// Twips of a point inside the left edge of a menu entry, clear of its text.
constexpr double entryEdgeX = 9600 + 100;
double entryEdgeY(int entry) { return 2400 + 750 * entry + 250; }
// A point just inside the activity column on menu5 (Left 3232.5) but left of menu3's (3892.5).
constexpr double columnProbeX = 3500, columnProbeY = 2650;

TEST_F(MenuE2eTest, ClickThroughTheMenusAndBackToTheTitleScreen) {
    ProgramProcess program(x, LUMENARY_APP_DIR);
    QRect menu = openMainMenu(program);
    EXPECT_TRUE(x.windowsTitled(" ").isEmpty()) << "the title screen is gone";
    EXPECT_EQ(menu, QRect(116, 114, 792, 566));
    keep(x.screenshot(), "main-menu");

    x.click(atTwips(menu, 9600 + 1000, entryEdgeY(2)));
    menu = currentMenu();
    QImage screen = x.screenshot();
    keep(screen, "menu3");
    EXPECT_FALSE(isBlack(colourAt(screen, atTwips(menu, columnProbeX, columnProbeY)))) << "menu3's column is narrower";
    EXPECT_TRUE(isBlack(colourAt(screen, atTwips(menu, 3892.5 + 60, columnProbeY)))) << "its entries are black boxes";

    x.click(atTwips(menu, 9600 + 1000, entryEdgeY(4)));
    menu = currentMenu();
    screen = x.screenshot();
    keep(screen, "menu5");
    EXPECT_TRUE(isBlack(colourAt(screen, atTwips(menu, columnProbeX, columnProbeY)))) << "menu5's column is wider";

    x.click(atTwips(menu, 60 + 900, 7950 + 250));
    menu = currentMenu();
    x.click(atTwips(menu, 60 + 900, 7950 + 250));
    const QString title = x.waitForWindow(" ");
    ASSERT_FALSE(title.isEmpty());
    EXPECT_TRUE(x.waitForNoWindow(menuCaption));
    keep(x.screenshot(), "title-cancel");

    x.click(atTwips(x.geometry(title), 1320 + 1335 / 2, 6000 - 90 + 375 / 2));  // "Cancel"
    currentMenu();
    EXPECT_TRUE(x.windowsTitled(" ").isEmpty());
}

TEST_F(MenuE2eTest, AMenuEntryTurnsBlueUnderThePointerAndClearsOverTheBackground) {
    ProgramProcess program(x, LUMENARY_APP_DIR);
    const QRect menu = openMainMenu(program);
    const QPoint entry = atTwips(menu, entryEdgeX, entryEdgeY(1));

    x.moveTo(atTwips(menu, 9600 + 1100, entryEdgeY(1)));
    x.moveTo(atTwips(menu, 9600 + 1000, entryEdgeY(1)));
    QImage screen = x.screenshot();
    keep(screen, "main-menu-hover");
    EXPECT_EQ(colourAt(screen, entry), QColor(0, 0, 255));

    x.moveTo(atTwips(menu, 5000, 6500));
    x.moveTo(atTwips(menu, 5100, 6600));
    screen = x.screenshot();
    EXPECT_NE(colourAt(screen, entry), QColor(0, 0, 255));
}

TEST_F(MenuE2eTest, TheWebAddressEntryAsksTheSystemToOpenThePublishersAddress) {
    QTemporaryDir bin;
    const QString record = bin.filePath("opened.txt");
    QFile opener(bin.filePath("xdg-open"));
    ASSERT_TRUE(opener.open(QIODevice::WriteOnly));
    opener.write(QString("#!/bin/sh\necho \"$@\" >> '%1'\n").arg(record).toUtf8());
    opener.close();
    opener.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    QProcessEnvironment env;
    env.insert("PATH", bin.path() + ":" + QProcessEnvironment::systemEnvironment().value("PATH"));
    ProgramProcess program(x, LUMENARY_APP_DIR, env);
    const QRect menu = openMainMenu(program);
    x.click(atTwips(menu, 8520 + 3315 / 2, 7800 + 187));

    QFile recorded(record);
    for (int i = 0; i < 100 && !recorded.exists(); ++i) QThread::msleep(100);
    ASSERT_TRUE(recorded.open(QIODevice::ReadOnly)) << "the opener was never run";
    EXPECT_EQ(QString::fromUtf8(recorded.readAll()).trimmed(), "http://www.corbelwick.example");
    EXPECT_EQ(x.windowsTitled(menuCaption).size(), 1) << "the main menu stays";
}

}  // namespace
}  // namespace lumenary::testing
