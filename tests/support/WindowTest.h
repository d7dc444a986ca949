#pragma once

#include "ScreenTest.h"
#include "qt/window/FormWindow.h"
#include "qt/window/FormWindows.h"
#include "qt/window/QtPlatform.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>

#include <stdexcept>

namespace lumenary::testing {

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

    static FormWindow& windowOf(const Form& form) {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = dynamic_cast<FormWindow*>(w); window && window->isVisible() && window->serial() == form.serial())
                return *window;
        throw std::runtime_error("no window for " + form.name());
    }
    static void mouse(QWidget& w, QEvent::Type type, QPoint at, Qt::MouseButtons held, Qt::MouseButton button = Qt::LeftButton,
                      Qt::KeyboardModifiers keys = {}) {
        QMouseEvent event(type, QPointF(at), QPointF(w.mapToGlobal(at)), button, held, keys);
        QApplication::sendEvent(&w, &event);
    }
};

}  // namespace lumenary::testing
