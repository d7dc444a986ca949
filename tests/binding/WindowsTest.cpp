#include "WindowTest.h"
#include "menus/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "runtime/controls/Label.h"

#include <QAccessible>
#include <QApplication>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
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
    // Each button and key its own bit: Shift 1, Ctrl 2, Alt 4; left 1, right 2, middle 4.
    mouse(*w, QEvent::MouseButtonPress, {20, 30}, Qt::RightButton, Qt::RightButton, Qt::ShiftModifier);
    mouse(*w, QEvent::MouseMove, {21, 32}, Qt::MiddleButton | Qt::RightButton, Qt::NoButton, Qt::AltModifier | Qt::ControlModifier);
    mouse(*w, QEvent::MouseButtonRelease, {22, 33}, Qt::LeftButton | Qt::MiddleButton, Qt::RightButton);
    mouse(*w, QEvent::MouseMove, {300, 250}, Qt::NoButton, Qt::NoButton);
    EXPECT_EQ(form.take(), "Down label b2 s1 150,150; Move label b6 s6 165,180; Up label b2 180,195; Move form b0 4500,3750; ");
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

// The accessibility tree of the real windows, on Qt's offscreen platform, with every event that
// assistive technology would be told as "event name".
class AccessibilityTest : public WindowTest {
protected:
    AccessibilityTest() { qt.listening = true; }
    bool told(QAccessible::Event type, const std::string& name) const {
        return std::ranges::count(qt.told, std::to_string(type) + " " + name) == 1;
    }
    QAccessibleInterface* accessibleOf(const Form& form) {
        windows.sync();
        return QAccessible::queryAccessibleInterface(&windowOf(form));
    }
    static QAccessibleInterface* child(QAccessibleInterface* window, const std::string& name, QAccessible::Role role) {
        for (int i = 0; i < window->childCount(); ++i)
            if (QAccessibleInterface* c = window->child(i); c->text(QAccessible::Name).toStdString() == name && c->role() == role) return c;
        throw std::runtime_error("no child \"" + name + "\" in " + window->text(QAccessible::Name).toStdString());
    }
    static void pressButton(QAccessibleInterface* button) {
        button->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        QCoreApplication::processEvents();
    }
    void drag(const Control& label, const Control& onto) { dropOn(label, onto), windows.sync(); }
};

constexpr auto button = QAccessible::PushButton, text = QAccessible::StaticText, graphic = QAccessible::Graphic;

TEST_F(AccessibilityTest, EveryShownControlIsAChildWithTheRoleOfWhatItDoesItsCaptionAndItsState) {
    // Focusable is what Tab stops at: buttons, label buttons and the labels a pupil can carry.
    const struct {
        void (*screen)();
        const char* name;
        QAccessible::Role role;
        bool disabled, focusable;
    } cases[] = {
        {show<Titlefrm>, "OK", button, false, true}, {show<Titlefrm>, "Title picture", graphic, false, false},
        {show<intro0>, "Lumenary", text, false, false}, {show<intro0>, "www.corbelwick.example", button, false, true},
        {show<intro0>, "Corbelwick Learning logo", graphic, false, false},
        {[] { screen(menu1).Show(); }, "Menu 1", text, false, false}, {[] { screen(menu1).Show(); }, "Energy Chains", button, true, false},
        {[] { screen(menu1).Show(); }, "Newton Meter", button, false, true},
        {[] { screen(phaseslab).Show(); }, "Label the phases of the Moon", text, false, false}, {[] { screen(phaseslab).Show(); }, "Target 8", text, false, false},
        {[] { screen(phaseslab).Show(); }, "Full Moon", text, false, true},
        {[] { screen(newtonmeter).Show(); }, "Newton meter", graphic, false, false}, {[] { screen(magnets).Show(); }, "Magnets", graphic, false, false},
    };
    platform.draws = {0.5f, 0.5f};  // the question screens' first questions
    for (const auto& c : cases) {
        runtime.dispatch(c.screen);
        QAccessibleInterface* window = accessibleOf(*runtime.visibleForms().back());
        SCOPED_TRACE(c.name);
        EXPECT_EQ(window->role(), QAccessible::Window);
        EXPECT_EQ(window->text(QAccessible::Name).toStdString(), runtime.visibleForms().back()->Caption);
        EXPECT_EQ(window->childCount(), std::ranges::count_if(runtime.visibleForms().back()->everyControl(), &Control::isShown));
        QAccessibleInterface* found = child(window, c.name, c.role);
        EXPECT_TRUE(window->rect().contains(found->rect())) << "inside its window";
        EXPECT_EQ(window->childAt(found->rect().center().x(), found->rect().center().y()), found);
        EXPECT_EQ(window->child(window->indexOfChild(found)), found);
        EXPECT_EQ(found->state().disabled, c.disabled);
        EXPECT_EQ(found->state().focusable, c.focusable);
        EXPECT_EQ(found->actionInterface() != nullptr, c.role == button);
    }
}

TEST_F(AccessibilityTest, PicturesAreNamedNeutrallyAndAnswersAreToldAsTheyAppear) {
    runtime.dispatch([] { screen(phaseslab).Show(); });
    LabellingScreen& moon = screen(phaseslab);
    QAccessibleInterface* window = accessibleOf(moon);
    for (int i = 0; i < moon.itemCount(); ++i) {
        const QString name = child(window, "Moon picture " + std::to_string(i + 1), graphic)->text(QAccessible::Name);
        for (int answer = 0; answer < moon.itemCount(); ++answer) EXPECT_FALSE(name.contains(QString::fromStdString(moon.Label2[answer].Caption)));
    }
    drag(moon.Label2[0], moon.Label1[3]);
    EXPECT_EQ(child(window, moon.Label2[0].Caption, text)->text(QAccessible::Description), "on target 4");
    EXPECT_EQ(child(window, moon.Label2[0].Caption, text)->rect().size(), QSize(2085 / 15, 375 / 15)) << "the label's own pixels";
    EXPECT_EQ(window->indexOfChild(window), -1);
    EXPECT_TRUE(told(QAccessible::DescriptionChanged, moon.Label2[0].Caption));
    for (int i = 0; i < moon.itemCount(); ++i) drag(moon.Label2[i], moon.Label1[i]);
    EXPECT_TRUE(told(QAccessible::ObjectShow, "Check Score"));

    for (const char* score : {"8 out of 8 correct", "7 out of 8 correct"}) {
        pressButton(child(window, "Check Score", button));
        EXPECT_NO_THROW(child(window, score, text));
        drag(moon.Label2[0], moon.Label1[1]);
    }
    EXPECT_TRUE(told(QAccessible::ObjectShow, "8 out of 8 correct"));
    EXPECT_TRUE(told(QAccessible::NameChanged, "7 out of 8 correct"));
}

TEST_F(AccessibilityTest, TheFocusFollowsTheFormsAndInterfacesGoWithTheirForm) {
    runtime.dispatch(show<Titlefrm>);
    QAccessibleInterface* window = accessibleOf(runtime.form<Titlefrm>());
    ASSERT_TRUE(QTest::qWaitForWindowActive(&windowOf(runtime.form<Titlefrm>())));
    key(window->object(), Qt::Key_Tab);
    EXPECT_EQ(window->focusChild()->text(QAccessible::Name), "Exit");
    EXPECT_EQ(std::tuple(window->focusChild()->state().focused, child(window, "OK", button)->state().focused, window->state().focused),
              std::tuple(true, false, false)) << "the focused control alone, not another nor the window as well";
    EXPECT_TRUE(told(QAccessible::Focus, "Exit"));
    runtime.form<Titlefrm>().setFocus(nullptr);
    EXPECT_TRUE(window->state().focused) << "the window, while none of its controls has the focus";

    const QAccessible::Id ok = QAccessible::uniqueId(child(window, "OK", button));
    pressButton(child(window, "OK", button));
    EXPECT_EQ(std::tuple(shownScreens(), QAccessible::accessibleInterface(ok)), std::tuple(std::string("intro0"), nullptr)) << "freed with the title screen";
}

}  // namespace
}  // namespace lumenary::testing
