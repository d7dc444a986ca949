#include "FormWindow.h"

#include "FormPainter.h"
#include "FormWindows.h"
#include "runtime/Runtime.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTouchEvent>

#include <map>

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
    setAttribute(Qt::WA_AcceptTouchEvents);
}

void FormWindow::setMapping(const TwipsMapping& mapping) {
    if (mapping == mapping_) return;
    mapping_ = mapping;
    update();
}

// What assistive technology asks while the QWidget part closes down finds no form here.
FormWindow::~FormWindow() { detach(); }

void FormWindow::detach() {
    accessible_.forget();
    form_ = nullptr;
}

void FormWindow::showChanges() {
    if (!form_) return;
    update(damage_.changes(*form_, mapping_));
    accessible_.announceChanges(*form_);
}

// Later, from the event loop: the press may close this window, and with it the accessible
// interface that asked for it, which must not be freed under its own call.
void FormWindow::press(const Control& control) {
    QMetaObject::invokeMethod(
        this, [this, target = &control] { deliver([target](Form& form) { form.activate(*target); }); }, Qt::QueuedConnection);
}

template <class Input>
void FormWindow::deliver(Input&& input) {
    if (!form_) return;
    Form& form = *form_;
    windows_.runtime().dispatch([&] { input(form); });
    windows_.sync();
}

void FormWindow::paintEvent(QPaintEvent* event) {
    if (!form_) return;
    QPainter painter(this);
    FormPainter formPainter(painter, mapping_, &windows_.pictureVariants());
    if (windows_.isFullScreen()) formPainter.paintMargins(*form_, rect());
    formPainter.paint(*form_, event->region());
}

void FormWindow::mousePressEvent(QMouseEvent* event) {
    const int button = buttonBits(event->button());
    const int shift = shiftBits(event->modifiers());
    const Twips x = mapping_.toTwipsX(event->position().x());
    const Twips y = mapping_.toTwipsY(event->position().y());
    pressedButtons_ |= button;
    deliver([&](Form& form) { form.mouseDown(button, shift, x, y); });
}

void FormWindow::mouseMoveEvent(QMouseEvent* event) {
    const int buttons = buttonBits(event->buttons());
    const int shift = shiftBits(event->modifiers());
    const Twips x = mapping_.toTwipsX(event->position().x());
    const Twips y = mapping_.toTwipsY(event->position().y());
    deliver([&](Form& form) { form.mouseMove(buttons, shift, x, y); });
}

void FormWindow::mouseReleaseEvent(QMouseEvent* event) {
    const int button = buttonBits(event->button());
    const int shift = shiftBits(event->modifiers());
    const Twips x = mapping_.toTwipsX(event->position().x());
    const Twips y = mapping_.toTwipsY(event->position().y());
    pressedButtons_ &= ~button;
    deliver([&](Form& form) { form.mouseUp(button, shift, x, y); });
}

// A double-click is one Click: the second press still moves and drops, but its release
// clicks nothing, so "New Question" draws once and a web address opens once.
void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) {
    const int button = buttonBits(event->button());
    const int shift = shiftBits(event->modifiers());
    const Twips x = mapping_.toTwipsX(event->position().x());
    const Twips y = mapping_.toTwipsY(event->position().y());
    const bool pressDelivered = pressedButtons_ & button;
    pressedButtons_ |= button;
    deliver([&](Form& form) { form.mouseDoubleClick(button, shift, x, y, pressDelivered); });
}

// One finger is the mouse's left button: the first to touch drags and taps; any others are
// ignored until it lifts, so a second hand on the board does not disturb a drag.
void FormWindow::touch(QTouchEvent* event) {
    for (const QEventPoint& point : event->points()) {
        const Twips x = mapping_.toTwipsX(point.position().x());
        const Twips y = mapping_.toTwipsY(point.position().y());
        if (!finger_ && point.state() == QEventPoint::Pressed) {
            finger_ = point.id();
            deliver([&](Form& form) { form.mouseDown(mouse::left, 0, x, y); });
        } else if (finger_ == point.id() && point.state() == QEventPoint::Released) {
            finger_.reset();
            deliver([&](Form& form) { form.mouseUp(mouse::left, 0, x, y); });
        } else if (finger_ == point.id() && point.state() == QEventPoint::Updated) {
            deliver([&](Form& form) { form.mouseMove(mouse::left, 0, x, y); });
        }
    }
    if (event->type() == QEvent::TouchCancel && finger_) {
        finger_.reset();
        deliver([](Form& form) { form.mouseUp(mouse::left, 0, -1, -1); });
    }
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    static const std::map<int, Key> formKeys = {
        {Qt::Key_Return, Key::Enter}, {Qt::Key_Enter, Key::Enter}, {Qt::Key_Space, Key::Space}, {Qt::Key_Left, Key::Left},
        {Qt::Key_Right, Key::Right},  {Qt::Key_Up, Key::Up},       {Qt::Key_Down, Key::Down},
    };
    if (const auto found = formKeys.find(event->key()); found != formKeys.end()) {
        // A held Enter or Space clicks once, as a held mouse button does.
        const bool clicks = found->second == Key::Enter || found->second == Key::Space;
        if (!(clicks && event->isAutoRepeat())) deliver([key = found->second](Form& form) { form.keyPress(key); });
        return;
    }
    switch (event->key()) {
        case Qt::Key_F11: windows_.setFullScreen(!windows_.isFullScreen()); break;
        case Qt::Key_Escape: {
            // Escape first puts back a label the keyboard is carrying; otherwise it leaves full screen.
            bool carrying = false;
            deliver([&carrying](Form& form) { carrying = form.keyPress(Key::Escape); });
            if (!carrying) windows_.setFullScreen(false);
            break;
        }
        default: QWidget::keyPressEvent(event);
    }
}

bool FormWindow::event(QEvent* event) {
    switch (event->type()) {
        case QEvent::TouchBegin:
        case QEvent::TouchUpdate:
        case QEvent::TouchEnd:
        case QEvent::TouchCancel:
            touch(static_cast<QTouchEvent*>(event));
            event->accept();
            return true;
        case QEvent::KeyPress: {
            // Tab moves the focus between the form's own controls, not between Qt widgets.
            const auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
                const bool back = key->key() == Qt::Key_Backtab || (key->modifiers() & Qt::ShiftModifier);
                deliver([back](Form& form) { form.keyPress(back ? Key::BackTab : Key::Tab); });
                return true;
            }
            break;
        }
        default: break;
    }
    return QWidget::event(event);
}

void FormWindow::closeEvent(QCloseEvent* event) {
    // The close box unloads the screen; the windows follow the model in sync().
    event->ignore();
    deliver([](Form& form) { Unload(form); });
}

}  // namespace lumenary
