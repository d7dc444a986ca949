#pragma once

#include "Ink.h"
#include "ScreenTest.h"
#include "qt/painting/QtSurface.h"
#include "qt/window/FormWindow.h"
#include "qt/window/FormWindows.h"
#include "qt/window/QtPlatform.h"
#include "runtime/painting/FormPainter.h"

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace lumenary::testing {

// A form's client area painted by the binding into an image, as its window would show it: at
// the design size, or scaled up as on a projector or a high-density display.
inline QImage paintForm(const Form& form, double scale = 1.0, double devicePixelRatio = 1.0, PictureVariants* variants = nullptr) {
    const TwipsMapping mapping{scale};
    QImage image(static_cast<int>(mapping.toPixels(form.clientSize().Width) * devicePixelRatio),
                 static_cast<int>(mapping.toPixels(form.clientSize().Height) * devicePixelRatio), QImage::Format_RGB32);
    image.setDevicePixelRatio(devicePixelRatio);
    image.fill(Qt::magenta);
    QPainter painter(&image);
    QtSurface surface(painter, variants);
    FormPainter(surface, mapping).paint(form);
    return image;
}

// How the program shows the screen of that name.
inline void (*shows(std::string_view name))() { return std::ranges::find(everyScreen(), name, &ScreenKind::name)->show; }

// The program's own platform, with assistive technology listening when a test says so; what it
// is told is kept, as "event name", since the offscreen platform passes nothing on.
class ListenedQtPlatform : public QtPlatform {
public:
    bool listening = false;
    std::vector<std::string> told;

    bool isAssistiveTechnologyActive() const override { return listening; }
    void tellAssistiveTechnology(QAccessibleEvent& event) override {
        told.push_back(std::to_string(event.type()) + " " + event.accessibleInterface()->text(QAccessible::Name).toStdString());
    }
};

// The real windows of the shown screens, on Qt's offscreen platform.
class WindowTest : public ScreenTest {
protected:
    ListenedQtPlatform qt;
    FormWindows windows{runtime, qt};

    ~WindowTest() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    // Shows a screen as a handler does, in its window.
    void showScreen(void (*show)()) { runtime.dispatch(show), windows.sync(); }

    static FormWindow& windowOf(const Form& form) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<FormWindow*>(w); window && window->isVisible() && window->serial() == form.serial())
                return *window;
        throw std::runtime_error("no window for " + form.name());
    }
    static void send(QObject* to, QEvent&& event) { QApplication::sendEvent(to, &event); }
    static void key(QObject* w, int key, Qt::KeyboardModifiers keys = {}) { send(w, QKeyEvent(QEvent::KeyPress, key, keys)); }
    static void mouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::MouseButton button = Qt::LeftButton, Qt::KeyboardModifiers keys = {}) {
        send(&w, QMouseEvent(type, QPointF(at), QPointF(w.mapToGlobal(at)), button, held, keys));
    }
};

// The real windows of the shown screens, as a pupil's hand reaches them.
class ClassroomDisplay : public WindowTest {
protected:
    template <class F>
    F& open(bool fullScreen) { return shownAt(ScreenTest::open<F>(), fullScreen); }
    template <class S>
    S& open(ScreenName<S> named, bool fullScreen) { return shownAt(ScreenTest::open(named), fullScreen); }
    template <class S>
    S& shownAt(S& shown, bool fullScreen) {
        windows.setFullScreen(fullScreen), windows.sync();
        QCoreApplication::processEvents();  // the first paint
        return shown;
    }
    // The window pixel of a point of the form, given in twips.
    static QPoint at(const FormWindow& window, QPointF twips) { return {window.mapping().toPixelX(twips.x()), window.mapping().toPixelY(twips.y())}; }
    void drag(FormWindow& w, QPointF fromTwips, QPointF toTwips) {
        mouse(w, QEvent::MouseButtonPress, at(w, fromTwips), Qt::LeftButton);
        for (int step = 1; step <= 4; ++step) mouse(w, QEvent::MouseMove, at(w, fromTwips + (toTwips - fromTwips) * step / 4.0), Qt::LeftButton);
        mouse(w, QEvent::MouseButtonRelease, at(w, toTwips), Qt::NoButton);
        QCoreApplication::processEvents();  // the window repaints what changed
    }
    static QPointF centre(const Control& c) { return {c.Left + c.Width / 2, c.Top + c.Height / 2}; }
};

}  // namespace lumenary::testing
