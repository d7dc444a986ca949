#include "qt/window/FormWindow.h"

#include "qt/painting/QtSurface.h"
#include "qt/window/FormWindows.h"
#include "runtime/Runtime.h"
#include "runtime/painting/FormPainter.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QStyleHints>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>
#include <QTouchEvent>

#include <map>
#include <optional>

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

// A touch point's state as a pointer event; a point that stood still is none.
std::optional<PointerEvent::Type> typeOf(QEventPoint::State state) {
    switch (state) {
        case QEventPoint::Pressed: return PointerEvent::Type::Down;
        case QEventPoint::Updated: return PointerEvent::Type::Move;
        case QEventPoint::Released: return PointerEvent::Type::Up;
        default: return std::nullopt;
    }
}

}  // namespace

FormWindow::FormWindow(Form& form, FormWindows& windows)
    : QWidget(nullptr, Qt::Window | Qt::MSWindowsFixedSizeDialogHint),
      form_(&form),
      serial_(form.serial()),
      windows_(windows),
      pointerRules_(QGuiApplication::styleHints()->mouseDoubleClickInterval()) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    // F11 everywhere, and the platform's own full-screen key where it has another.
    QList<QKeySequence> fullScreenKeys = QKeySequence::keyBindings(QKeySequence::FullScreen);
    if (!fullScreenKeys.contains(QKeySequence(Qt::Key_F11))) fullScreenKeys << QKeySequence(Qt::Key_F11);
    for (const QKeySequence& keys : fullScreenKeys)
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [this] { windows_.setFullScreen(!windows_.isFullScreen()); });
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, [this] { escape(); });
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
    update(QtSurface::toQRegion(FormPainter::changedArea(changes_.since(*form_), mapping_)));
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
    QtSurface surface(painter, &windows_.pictureVariants());
    FormPainter formPainter(surface, mapping_);
    if (windows_.isFullScreen()) formPainter.paintMargins(*form_, width(), height());
    const PixelRect area = QtSurface::fromQRect(event->region().boundingRect());
    formPainter.paint(*form_, &area);
}

TwipsPoint FormWindow::twipsAt(QPointF position) const { return {mapping_.toTwipsX(position.x()), mapping_.toTwipsY(position.y())}; }

PointerEvent FormWindow::pointerOf(const QMouseEvent& event, PointerEvent::Type type) const {
    return {.type = type,
            .button = buttonBits(event.button()),
            .buttons = buttonBits(event.buttons()),
            .shift = shiftBits(event.modifiers()),
            .at = twipsAt(event.position()),
            .milliseconds = static_cast<double>(event.timestamp())};
}

void FormWindow::pointer(const PointerEvent& event) {
    deliver([&](Form& form) { pointerRules_.apply(event, form); });
}

void FormWindow::mousePressEvent(QMouseEvent* event) { pointer(pointerOf(*event, PointerEvent::Type::Down)); }
void FormWindow::mouseMoveEvent(QMouseEvent* event) { pointer(pointerOf(*event, PointerEvent::Type::Move)); }
void FormWindow::mouseReleaseEvent(QMouseEvent* event) { pointer(pointerOf(*event, PointerEvent::Type::Up)); }
// Qt announces the second press of a double-click as a press, then again as a double-click, or
// as a double-click alone: to the rules it is a press either way.
void FormWindow::mouseDoubleClickEvent(QMouseEvent* event) { pointer(pointerOf(*event, PointerEvent::Type::Down)); }

void FormWindow::touch(QTouchEvent* event) {
    const double milliseconds = static_cast<double>(event->timestamp());
    if (event->type() == QEvent::TouchCancel)
        return pointer({.type = PointerEvent::Type::Cancel, .kind = PointerKind::Touch, .id = PointerEvent::everyPointer, .at = {}, .milliseconds = milliseconds});
    for (const QEventPoint& point : event->points()) {
        if (const std::optional<PointerEvent::Type> type = typeOf(point.state())) pointer({.type = *type, .kind = PointerKind::Touch, .id = point.id(), .at = twipsAt(point.position()), .milliseconds = milliseconds});
    }
}

// Escape first puts back a label the keyboard is carrying; otherwise it leaves full screen.
void FormWindow::escape() {
    bool carrying = false;
    deliver([&carrying](Form& form) { carrying = form.keyPress(Key::Escape); });
    if (!carrying) windows_.setFullScreen(false);
}

void FormWindow::keyPressEvent(QKeyEvent* event) {
    static const std::map<int, Key> formKeys = {
        {Qt::Key_Return, Key::Enter}, {Qt::Key_Enter, Key::Enter}, {Qt::Key_Space, Key::Space}, {Qt::Key_Left, Key::Left},
        {Qt::Key_Right, Key::Right},  {Qt::Key_Up, Key::Up},       {Qt::Key_Down, Key::Down},
    };
    const auto found = formKeys.find(event->key());
    if (found == formKeys.end()) return QWidget::keyPressEvent(event);
    // A held Enter or Space clicks once, as a held mouse button does.
    const bool clicks = found->second == Key::Enter || found->second == Key::Space;
    if (!(clicks && event->isAutoRepeat())) deliver([key = found->second](Form& form) { form.keyPress(key); });
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
