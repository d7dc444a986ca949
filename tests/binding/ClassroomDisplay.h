#pragma once

#include "WindowTest.h"

#include <QCoreApplication>

#include <cstdlib>

namespace lumenary::testing {

inline bool near(QColor a, QColor b, int tolerance = 24) {
    return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
           std::abs(a.blue() - b.blue()) <= tolerance;
}

// The real windows of the shown screens, as a pupil's hand reaches them.
class ClassroomDisplay : public WindowTest {
protected:
    template <class F>
    F& open(bool fullScreen) {
        runtime.dispatch([] { form<F>().Show(); });
        windows.setFullScreen(fullScreen);
        windows.sync();
        QCoreApplication::processEvents();  // the first paint
        return runtime.form<F>();
    }
    // The window pixel of a point of the form, given in twips.
    static QPoint at(const FormWindow& window, QPointF twips) {
        return {window.mapping().toPixelX(twips.x()), window.mapping().toPixelY(twips.y())};
    }
    void drag(FormWindow& w, QPointF fromTwips, QPointF toTwips) {
        mouse(w, QEvent::MouseButtonPress, at(w, fromTwips), Qt::LeftButton);
        for (int step = 1; step <= 4; ++step) mouse(w, QEvent::MouseMove, at(w, fromTwips + (toTwips - fromTwips) * step / 4.0), Qt::LeftButton);
        mouse(w, QEvent::MouseButtonRelease, at(w, toTwips), Qt::NoButton);
        QCoreApplication::processEvents();  // the window repaints what changed
    }
    static QPointF centre(const Control& c) { return {c.Left + c.Width / 2, c.Top + c.Height / 2}; }
};

}  // namespace lumenary::testing
