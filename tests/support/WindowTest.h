#pragma once

#include "ScreenTest.h"
#include "runtime/qt/FormWindow.h"
#include "runtime/qt/FormWindows.h"
#include "runtime/qt/QtPlatform.h"

#include <QApplication>
#include <QMouseEvent>

#include <stdexcept>

namespace lumenary::testing {

// The real windows of the shown screens, on Qt's offscreen platform.
class WindowTest : public ScreenTest {
protected:
    QtPlatform qt;
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
