#include "LogForm.h"
#include "PaintedForm.h"
#include "WindowTest.h"
#include "framework/Titlefrm.h"
#include "menus/intro0.h"
#include "runtime/controls/Label.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTimer>

#include <functional>
#include <map>

namespace lumenary::testing {
namespace {

class WindowsTest : public WindowTest {
protected:
    void start(void (*screen)()) {
        runtime.dispatch(screen);
        windows.sync();
    }
    // The visible top-level windows by title.
    static std::map<std::string, QWidget*> shownWindows() {
        std::map<std::string, QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) shown[w->windowTitle().toStdString()] = w;
        return shown;
    }
    static QWidget* window(const std::string& title) { return shownWindows().at(title); }
    static void key(QWidget* w, int key, Qt::KeyboardModifiers keys = {}) {
        QKeyEvent event(QEvent::KeyPress, key, keys);
        QApplication::sendEvent(w, &event);
    }
    static void click(QWidget* w, QPoint at) {
        mouse(*w, QEvent::MouseButtonPress, at, Qt::LeftButton);
        mouse(*w, QEvent::MouseButtonRelease, at, Qt::NoButton);
    }
    // Runs the application's event loop from an action until the program ends it; its status.
    static int untilTheEnd(const std::function<void()>& action) {
        QTimer timeout;
        QObject::connect(&timeout, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        timeout.start(10000);
        QTimer::singleShot(0, action);
        return QCoreApplication::exec();
    }
};

TEST_F(WindowsTest, EachShownScreenHasAWindowPlacedTitledAndPaintedAsItsFormSays) {
    start(show<Titlefrm>);
    Titlefrm& title = runtime.form<Titlefrm>();
    QWidget* w = window(" ");
    EXPECT_EQ(shownWindows().size(), 1u);
    EXPECT_EQ(w->geometry(), QRect(330, 178, 364, 438)) << "the client area, where the frame around it centres on the desktop";
    EXPECT_EQ(w->windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(0, 0, 255)) << "the program's icon";
    EXPECT_EQ(w->grab().toImage().convertToFormat(QImage::Format_RGB32), paintForm(title));

    std::string walk;
    const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {{Qt::Key_Tab, {}}, {Qt::Key_Backtab, {}}, {Qt::Key_Tab, Qt::ShiftModifier}, {Qt::Key_Tab, {}}};
    for (const auto& [k, modifiers] : keys) key(w, k, modifiers), walk += title.focused()->name() + " ";
    EXPECT_EQ(walk, "Command2 Command1 Command2 Command1 ");
    key(w, Qt::Key_Space);
    EXPECT_EQ(shownWindows().size(), 1u) << "the title screen's window has gone";
    intro0& main = runtime.form<intro0>();
    w = window("Corbelwick");
    EXPECT_EQ(w->geometry(), QRect(116, 114, 792, 566));
    EXPECT_EQ(w->windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8).alpha(), 0) << "no icon, not even the toolkit's";

    const TwipsMapping m;
    const QPoint entry(m.toPixels(main.Label2[2].Left), m.toPixels(main.Label2[2].Top));  // its top-left pixel
    mouse(*w, QEvent::MouseMove, entry + QPoint(2, 2), Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(w->grab().toImage().pixelColor(entry + QPoint(3, 3)), QColor(0, 0, 255)) << "repainted with the entry lit";
    click(w, entry);
    EXPECT_EQ(shownScreens(), "menu3");
    EXPECT_EQ(shownWindows().size(), 1u);
    EXPECT_NE(window("Corbelwick"), w) << "a fresh window for a fresh screen";
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), window("Corbelwick")) << "and it is the active one";
}

// Until it is deleted, a window may still be sent a key, a click or its close box in the moment
// after its screen has gone: they reach no screen.
TEST_F(WindowsTest, InputReachingAWindowAfterItsScreenHasGoneChangesNothing) {
    start(show<Titlefrm>);
    const QPointer<QWidget> title = window(" ");
    key(title, Qt::Key_Space);  // OK, which has the focus
    ASSERT_TRUE(title);
    key(title, Qt::Key_Space);
    click(title, {100, 400});
    title->close();
    EXPECT_EQ(std::tuple(shownScreens(), shownWindows().size(), platform.errors.size()), std::tuple("intro0", 1u, 0u));
}

TEST_F(WindowsTest, MouseInputReachesTheFormInTwipsWithItsButtonsAndKeysAndTheCloseBoxUnloads) {
    LogForm& form = runtime.form<LogForm>();
    form.Width = 6000, form.Height = 4500;
    form.place<Label>("label", 150, 300, 3000, 3000);
    start(show<LogForm>);
    QWidget* w = window("");
    mouse(*w, QEvent::MouseButtonPress, {20, 30}, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier | Qt::ControlModifier);
    mouse(*w, QEvent::MouseMove, {21, 32}, Qt::LeftButton | Qt::MiddleButton | Qt::RightButton, Qt::NoButton, Qt::AltModifier);
    mouse(*w, QEvent::MouseButtonRelease, {22, 33}, Qt::LeftButton | Qt::MiddleButton, Qt::RightButton);
    mouse(*w, QEvent::MouseMove, {300, 250}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form.take(), "Down label b2 s3 150,150; Move label b7 s4 165,180; Up label b2 180,195; Move form b0 4500,3750; ");
    EXPECT_EQ(untilTheEnd([w] { w->close(); }), 0);
    EXPECT_EQ(std::tuple(shownWindows().size(), runtime.hasEnded(), runtime.exitStatus()), std::tuple(0u, true, 0)) << "closing the last window ends the program";
}

TEST_F(WindowsTest, WhenTheProgramEndsTheEventLoopEndsWithItsStatus) {
    LogForm& form = runtime.form<LogForm>();
    form.Width = 6000, form.Height = 4500;
    form.place<Label>("label", 0, 0, 3000, 3000).events()->Click = [](int) { throw RuntimeError("Cannot load picture"); };
    start(show<LogForm>);
    EXPECT_EQ(untilTheEnd([] { click(window(""), {10, 10}); }), 1);
    EXPECT_TRUE(shownWindows().empty());
}

TEST_F(WindowsTest, TheQtPlatformShowsTheBusyPointerAndReportsErrorsInADialogAndOnStderr) {
    qt.setMousePointer(Screen::busyPointer);
    qt.setMousePointer(Screen::busyPointer);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    start(show<LogForm>);  // a screen that a failed handler may have left half updated
    QString shown;
    std::size_t screensBehind = 1;
    ::testing::internal::CaptureStderr();
    untilTheEnd([&] {
        QTimer::singleShot(0, [&] {
            screensBehind = shownWindows().size() - 1;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) shown = box->text(), box->close();
        });
        qt.reportError("Cannot load picture \"x\": it is not a file");
        QCoreApplication::exit(0);
    });
    EXPECT_TRUE(::testing::internal::GetCapturedStderr().starts_with("Lumenary: Cannot load picture \"x\": it is not a file\n"));
    EXPECT_EQ(shown, "Cannot load picture \"x\": it is not a file");
    EXPECT_EQ(screensBehind, 0u) << "no screen stays up behind the error";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the ordinary pointer over the dialog";
    const QSize desktop = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(std::pair(qt.desktopSize().Width, qt.desktopSize().Height), std::pair(desktop.width() * 15.0f, desktop.height() * 15.0f));
}

}  // namespace
}  // namespace lumenary::testing
