#include "FormWindow.h"

#include "FormPainter.h"
#include "FormWindows.h"
#include "runtime/Runtime.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace lumenary {

namespace {

int buttonBits(Qt::MouseButtons buttons) {
    int bits = 0;
    if (buttons & Qt::LeftButton) bits |= mouse::left;
    if (buttons & Qt::RightButton) bits |= mouse::right;
    if (buttons & Qt::MiddleButton) bits |= mouse::middle;
    return bits;
}

int shiftBits(Qt::KeyboardModifiers modifiers) {
    int bits = 0;
    if (modifiers & Qt::ShiftModifier) bits |= 1;
    if (modifiers & Qt::ControlModifier) bits |= 2;
    if (modifiers & Qt::AltModifier) bits |= 4;
    return bits;
}

}  // namespace

FormWindow::FormWindow(Form& form, FormWindows& windows)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint), form_(&form), serial_(form.serial()), windows_(windows) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

template <class Input>
void FormWindow::deliver(Input&& input) {
    if (!form_) return;
    Form& form = *form_;
    windows_.runtime().dispatch([&] { input(form); });
    windows_.sync();
}

void FormWindow::paintEvent(QPaintEvent*) {
    if (!form_) return;
    QPainter painter(this);
    FormPainter(painter).paint(*form_);
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    const int button = buttonBits(event->button());
    const int shift = shiftBits(event->modifiers());
    const Twips x = mapping_.toTwips(event->position().x());
    const Twips y = mapping_.toTwips(event->position().y());
    deliver([&](Form& form) { form.mouseDown(button, shift, x, y); });
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    const int buttons = buttonBits(event->buttons());
    const int shift = shiftBits(event->modifiers());
    const Twips x = mapping_.toTwips(event->position().x());
    const Twips y = mapping_.toTwips(event->position().y());
    deliver([&](Form& form) { form.mouseMove(buttons, shift, x, y); });
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    const int button = buttonBits(event->button());
    const int shift = shiftBits(event->modifiers());
    const Twips x = mapping_.toTwips(event->position().x());
    const Twips y = mapping_.toTwips(event->position().y());
    deliver([&](Form& form) { form.mouseUp(button, shift, x, y); });
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Return:
        case Qt::Key_Enter: deliver([](Form& form) { form.keyPress(Key::Enter); }); break;
        case Qt::Key_Space: deliver([](Form& form) { form.keyPress(Key::Space); }); break;
        default: QWidget::keyPressEvent(event);
    }
}

bool FormWindow::event(QEvent* event) {
    // Tab moves the focus between the form's own controls, not between Qt widgets.
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
            const bool back = key == Qt::Key_Backtab || (static_cast<QKeyEvent*>(event)->modifiers() & Qt::ShiftModifier);
            deliver([back](Form& form) { form.keyPress(back ? Key::BackTab : Key::Tab); });
            return true;
        }
    }
    return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The close box unloads the screen; the windows follow the model in sync().
    event->ignore();
    deliver([](Form& form) { Unload(form); });
}

}  // namespace lumenary
