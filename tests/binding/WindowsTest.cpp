#include "WindowTest.h"
#include "app/SessionEnd.h"
#include "menus/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"
#include "runtime/controls/Label.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <csignal>
#include <functional>
#include <map>

namespace lumenary::testing {
namespace {

class WindowsTest : public WindowTest {
protected:
    // The visible top-level windows by title.
    static std::map<std::string, QWidget*> shownWindows() {
        std::map<std::string, QWidget*> shown;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) shown[w->windowTitle().toStdString()] = w;
        return shown;
    }
    static QWidget* window(const std::string& title) { return shownWindows().at(title); }
    static void click(QWidget* w, QPoint at) { mouse(*w, QEvent::MouseButtonPress, at, Qt::LeftButton), mouse(*w, QEvent::MouseButtonRelease, at, Qt::NoButton); }
    // A screen logging its events, with a label at (150, 300) twips, in its window.
    LogForm& logForm() {
        LogForm& form = runtime.form<LogForm>();
        form.Width = 6000, form.Height = 4500;
        form.place<Label>("label", 150, 300, 3000, 3000);
        showScreen(show<LogForm>);
        return form;
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

TEST_F(WindowsTest, EachShownScreenHasAWindowPlacedTitledAndPaintedAsItsFormSaysAndAGoneScreensWindowIgnoresInput) {
    showScreen(show<Titlefrm>);
    Titlefrm& title = runtime.form<Titlefrm>();
    QWidget* w = window(" ");
    EXPECT_EQ(shownWindows().size(), 1u);
    EXPECT_EQ(w->geometry(), QRect(330, 178, 364, 438)) << "the client area, where the frame around it centres on the desktop";
    EXPECT_EQ(w->windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8), QColor(0, 0, 255)) << "the program's icon";
    EXPECT_EQ(w->grab().toImage().convertToFormat(QImage::Format_RGB32), paintForm(title));
    std::string walk;
    for (const auto& [k, modifiers] : {std::pair{Qt::Key_Tab, Qt::KeyboardModifiers()}, {Qt::Key_Backtab, {}}, {Qt::Key_Tab, Qt::ShiftModifier}, {Qt::Key_Tab, {}}})
        key(w, k, modifiers), walk += title.focused()->name() + " ";
    EXPECT_EQ(walk, "Command2 Command1 Command2 Command1 ");
    const QPointer<QWidget> gone = w;
    key(w, Qt::Key_Space);  // OK, which has the focus
    // Until it is deleted, the window may still be sent a key, a click or its close box: they reach no screen.
    ASSERT_TRUE(gone);
    key(gone, Qt::Key_Space), click(gone, {100, 400}), gone->close();
    EXPECT_EQ(std::tuple(shownScreens(), shownWindows().size(), platform.errors.size()), std::tuple("intro0", 1u, 0u)) << "the title screen's window has gone";
    intro0& main = runtime.form<intro0>();
    w = window("Corbelwick");
    EXPECT_EQ(w->geometry(), QRect(116, 114, 792, 566));
    EXPECT_EQ(w->windowIcon().pixmap(16, 16).toImage().pixelColor(8, 8).alpha(), 0) << "no icon, not even the toolkit's";
    const QPoint entry(TwipsMapping{}.toPixels(main.Label2[2].Left), TwipsMapping{}.toPixels(main.Label2[2].Top));  // its top-left pixel
    // Through the window system, which passes on a move with no button held only to a window that asks for them.
    QTest::mouseMove(w->windowHandle(), entry + QPoint(2, 2));
    EXPECT_EQ(w->grab().toImage().pixelColor(entry + QPoint(3, 3)), QColor(0, 0, 255)) << "repainted with the entry lit";
    click(w, entry);
    EXPECT_EQ(std::tuple(shownScreens(), shownWindows().size()), std::tuple("menu3", 1u));
    EXPECT_NE(window("Corbelwick"), w) << "a fresh window for a fresh screen";
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), window("Corbelwick")) << "and it is the active one";
}

TEST_F(WindowsTest, MouseInputReachesTheFormInTwipsWithItsButtonsAndKeysAndTheCloseBoxEndsTheProgram) {
    LogForm& form = logForm();
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

TEST_F(WindowsTest, WhenTheProgramFailsTheEventLoopEndsWithItsStatus) {
    logForm().control<Label>("label").events()->Click = [](int) { throw RuntimeError("Cannot load picture"); };
    EXPECT_EQ(untilTheEnd([] { click(window(""), {20, 30}); }), 1);
    EXPECT_TRUE(shownWindows().empty());
}

TEST_F(WindowsTest, TheQtPlatformShowsTheBusyPointerAndReportsErrorsInADialogAndOnStderr) {
    qt.setMousePointer(Screen::busyPointer);
    qt.setMousePointer(Screen::busyPointer);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    showScreen(show<LogForm>);  // a screen that a failed handler may have left half updated
    QString shown;
    std::size_t screensBehind = 1;
    ::testing::internal::CaptureStderr();
    untilTheEnd([&] {
        QTimer::singleShot(0, [&] {
            screensBehind = shownWindows().size() - 1;
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
                shown = box->text() + " [" + box->buttons().value(0)->text() + "]", box->close();
        });
        qt.reportError("Cannot load picture \"x\": it is not a file");
        QCoreApplication::exit(0);
    });
    EXPECT_TRUE(::testing::internal::GetCapturedStderr().starts_with("Lumenary: Cannot load picture \"x\": it is not a file\n"));
    EXPECT_EQ(shown, "Cannot load picture \"x\": it is not a file [OK]");
    EXPECT_EQ(screensBehind, 0u) << "no screen stays up behind the error";
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr) << "the ordinary pointer over the dialog";
    const QSize desktop = QGuiApplication::primaryScreen()->geometry().size();
    EXPECT_EQ(std::pair(qt.desktopSize().Width, qt.desktopSize().Height), std::pair(desktop.width() * 15.0f, desktop.height() * 15.0f));
}

// A session's end (SIGTERM) or Ctrl+C (SIGINT) ends the event loop as the Exit button does; a lost
// display ends the program at once, saying so, and any other word of Qt's goes on as before.
TEST_F(WindowsTest, ATerminationSignalEndsTheEventLoopWithSuccessAndALostDisplayTheProgramWithFailure) {
    endOnTerminationSignals(*QCoreApplication::instance());
    for (const int signal : {SIGTERM, SIGINT}) EXPECT_EQ(untilTheEnd([signal] { std::raise(signal); }), 0) << signal;
    EXPECT_EXIT((endWhenTheDisplayIsLost(), qWarning("The X11 connection broke (error 1)")), ::testing::ExitedWithCode(1),
                "^lumenary: the connection to the display was lost; the program ends.\n$");
    EXPECT_EXIT((endWhenTheDisplayIsLost(), qWarning("A word of Qt's"), std::_Exit(3)), ::testing::ExitedWithCode(3), "A word of Qt's");
}

// The accessibility tree of the real windows, on Qt's offscreen platform, with every event that
// assistive technology would be told as "event name".
class AccessibilityTest : public WindowTest {
protected:
    AccessibilityTest() { qt.listening = true; }
    bool told(QAccessible::Event type, const std::string& name) const { return std::ranges::count(qt.told, std::to_string(type) + " " + name) == 1; }
    QAccessibleInterface* accessibleOf(const Form& form) { return windows.sync(), QAccessible::queryAccessibleInterface(&windowOf(form)); }
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

// Focusable is what Tab stops at: buttons, label buttons and the labels a pupil can carry.
struct Child { const char* screen; const char* name; QAccessible::Role role; bool disabled, focusable; };
const Child children[] = {
    {"Titlefrm",    "OK",                           button,  false, true},
    {"Titlefrm",    "Title picture",                graphic, false, false},
    {"intro0",      "Lumenary",                     text,    false, false},
    {"intro0",      "www.corbelwick.example",       button,  false, true},
    {"intro0",      "Corbelwick Learning logo",     graphic, false, false},
    {"menu1",       "Menu 1",                       text,    false, false},
    {"menu1",       "Energy Chains",                button,  true,  false},
    {"menu1",       "Newton Meter",                 button,  false, true},
    {"phaseslab",   "Label the phases of the Moon", text,    false, false},
    {"phaseslab",   "Target 8",                     text,    false, false},
    {"phaseslab",   "Full Moon",                    text,    false, true},
    {"newtonmeter", "Newton meter",                 graphic, false, false},
    {"magnets",     "Magnets",                      graphic, false, false},
};
class AccessibleChild : public AccessibilityTest, public ::testing::WithParamInterface<Child> {};
INSTANTIATE_TEST_SUITE_P(Screens, AccessibleChild, ::testing::ValuesIn(children), [](const auto& info) { return std::string(info.param.screen) + std::to_string(info.index); });

TEST_P(AccessibleChild, EveryShownControlIsAChildWithTheRoleOfWhatItDoesItsCaptionAndItsState) {
    const Child& c = GetParam();
    platform.draws = {0.5f};  // a question screen's first question
    showScreen(shows(c.screen));
    const Form& form = *runtime.visibleForms().back();
    QAccessibleInterface* window = accessibleOf(form);
    EXPECT_EQ(std::tuple(window->role(), window->text(QAccessible::Name).toStdString()), std::tuple(QAccessible::Window, form.Caption));
    EXPECT_EQ(window->childCount(), std::ranges::count_if(form.everyControl(), &Control::isShown));
    QAccessibleInterface* found = child(window, c.name, c.role);
    EXPECT_TRUE(window->rect().contains(found->rect())) << "inside its window";
    EXPECT_EQ(window->childAt(found->rect().center().x(), found->rect().center().y()), found);
    EXPECT_EQ(window->child(window->indexOfChild(found)), found);
    EXPECT_TRUE(!window->child(-1) && !window->child(window->childCount())) << "past either end, no child";
    EXPECT_EQ(std::tuple(found->state().disabled, found->state().focusable, found->actionInterface() != nullptr), std::tuple(c.disabled, c.focusable, c.role == button));
}

// The runtime finds what changed; the window passes each change on as Qt's event for it.
TEST_F(AccessibilityTest, PicturesAreNamedNeutrallyAndAnswersAreToldAsTheyAppear) {
    LabellingScreen& moon = open(phaseslab);
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
    for (const char* score : {"8 out of 8 correct", "7 out of 8 correct"}) {
        pressButton(child(window, "Check Score", button));
        EXPECT_NO_THROW(child(window, score, text));
        drag(moon.Label2[0], moon.Label1[1]);
    }
    EXPECT_TRUE(told(QAccessible::ObjectShow, "Check Score") && told(QAccessible::ObjectShow, "8 out of 8 correct"));
    EXPECT_TRUE(told(QAccessible::NameChanged, "7 out of 8 correct"));
}

TEST_F(AccessibilityTest, TheFocusFollowsTheFormsAndInterfacesGoWithTheirForm) {
    QAccessibleInterface* window = accessibleOf(open<Titlefrm>());
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
