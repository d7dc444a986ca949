#pragma once

#include "qt/accessibility/AccessibleControls.h"
#include "runtime/FormChanges.h"
#include "runtime/PointerRules.h"
#include "runtime/Twips.h"

#include <QWidget>

#include <cstdint>

class QTouchEvent;

namespace lumenary {

class Control;
class Form;
class FormWindows;

// The top-level window of one shown form. It paints the form at its mapping and turns Qt's
// mouse, touch and keyboard input into the form's input, in twips. Assistive technology sees
// the form's controls as its children (FormAccessible).
class FormWindow : public QWidget {
public:
    FormWindow(Form& form, FormWindows& windows);
    ~FormWindow() override;

    std::uint64_t serial() const { return serial_; }
    // The form shown, or none once it has been let go.
    Form* form() const { return form_; }
    // Forgets the form: it has been unloaded and may be freed.
    void detach();
    AccessibleControls& accessibleControls() { return accessible_; }
    FormWindows& windows() { return windows_; }
    // Does what a click on the control does, delivered as input is.
    void press(const Control& control);
    const TwipsMapping& mapping() const { return mapping_; }
    void setMapping(const TwipsMapping& mapping);
    // Schedules a repaint of what the last event changed in the form, and tells assistive
    // technology what it changed.
    void showChanges();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    template <class Input>
    void deliver(Input&& input);
    void pointer(const PointerEvent& event);
    PointerEvent pointerOf(const QMouseEvent& event, PointerEvent::Type type) const;
    TwipsPoint twipsAt(QPointF position) const;
    void touch(QTouchEvent* event);
    void escape();

    Form* form_;
    std::uint64_t serial_;
    FormWindows& windows_;
    TwipsMapping mapping_;
    FormChanges changes_;
    AccessibleControls accessible_{*this};
    PointerRules pointerRules_;
};

}  // namespace lumenary
