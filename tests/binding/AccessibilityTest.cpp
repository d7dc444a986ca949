#include "WindowTest.h"
#include "activities/labelling/phaseslab.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QTest>

namespace lumenary::testing {
namespace {

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
        {show<Titlefrm>, "OK", button, false, true},
        {show<Titlefrm>, "Title picture", graphic, false, false},
        {show<intro0>, "Lumenary", text, false, false},
        {show<intro0>, "www.corbelwick.example", button, false, true},
        {show<intro0>, "Corbelwick Learning logo", graphic, false, false},
        {show<menu1>, "Menu 1", text, false, false},
        {show<menu1>, "Energy Chains", button, true, false},
        {show<menu1>, "Newton Meter", button, false, true},
        {show<phaseslab>, "Label the phases of the Moon", text, false, false},
        {show<phaseslab>, "Target 8", text, false, false},
        {show<phaseslab>, "Full Moon", text, false, true},
        {show<newtonmeter>, "Newton meter", graphic, false, false},
        {show<magnets>, "Magnets", graphic, false, false},
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
    runtime.dispatch(show<phaseslab>);
    phaseslab& moon = runtime.form<phaseslab>();
    QAccessibleInterface* window = accessibleOf(moon);
    EXPECT_TRUE(qt.told.empty()) << "a screen appearing is no change to its controls";
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
    QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, {});
    QApplication::sendEvent(window->object(), &tab);
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
