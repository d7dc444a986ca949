#include "web/window/PageWindow.h"

#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "runtime/painting/FormPainter.h"
#include "web/painting/Canvas.h"
#include "web/pictures/ActivityPictures.h"
#include "web/window/WebPlatform.h"

#include <emscripten.h>

#include <cmath>

namespace lumenary {

namespace {

EM_JS(void, js_setTitle, (const char* title), { document.title = UTF8ToString(title); });
EM_JS(void, js_showEnded, (), { Lumenary.showEnded(); });
EM_JS(double, js_now, (), { return performance.now(); });

// What the desktop's double-click takes: within half a second, a few pixels apart.
constexpr double doubleClickMilliseconds = 500;
constexpr double doubleClickDistance = 5;

}  // namespace

PageWindow::PageWindow(Runtime& runtime, WebPlatform& platform)
    : runtime_(runtime), pictures_(platform.programFolder()) {}

Form* PageWindow::top() const {
    const auto& shown = runtime_.visibleForms();
    return shown.empty() ? nullptr : shown.back();
}

void PageWindow::resize(int width, int height) {
    width_ = width;
    height_ = height;
    Canvas::resize(width, height);
    shownSerial_ = 0;  // everything again, at the new mapping
    sync();
}

void PageWindow::repaintAll() {
    shownSerial_ = 0;
    sync();
}

void PageWindow::sync() {
    if (ended_) return;
    if (runtime_.hasEnded() || !top()) {
        ended_ = true;
        // After an error the page keeps the desktop's message; otherwise it says the program has ended.
        mirror_.clear();
        if (runtime_.exitStatus() == 0) js_showEnded();
        return;
    }
    Form& form = *top();
    if (form.Caption != title_) js_setTitle((title_ = form.Caption).c_str());
    const TwipsMapping mapping = TwipsMapping::fitting(form.clientSize(), width_, height_);
    Canvas canvas(pictures_);
    FormPainter painter(canvas, mapping);
    const bool freshForm = form.serial() != mirroredSerial_;
    if (freshForm) fetchPicturesOfActivitiesOpenedFrom(form);
    if (form.serial() != shownSerial_ || mapping != mapping_) {
        mapping_ = mapping;
        shownSerial_ = form.serial();
        changes_ = FormChanges();
        changes_.since(form);
        painter.paintMargins(form, width_, height_);
        painter.paint(form);
    } else {
        const FormChanges::Changes changes = changes_.since(form);
        // What looks the same reads the same: most pointer moves change nothing.
        if (!changes.everything && changes.boxes.empty()) return;
        for (const PixelRect& area : FormPainter::changedArea(changes, mapping_)) painter.paint(form, &area);
    }
    mirror_.show(form, mapping_, freshForm);
    mirroredSerial_ = form.serial();
}

template <class Input>
void PageWindow::deliver(Input&& input) {
    Form* form = top();
    if (!form || ended_) return;
    runtime_.dispatch([&] { input(*form); });
    sync();
}

MouseInput PageWindow::inputAt(double x, double y, int button, int buttons, int shift) const {
    return {.button = button, .buttons = buttons, .shift = shift, .at = {mapping_.toTwipsX(x), mapping_.toTwipsY(y)}};
}

bool PageWindow::isSecondClick(int button, double x, double y) {
    const double now = js_now();
    const bool second = button == lastPress_.button && now - lastPress_.time < doubleClickMilliseconds &&
                        std::hypot(x - lastPress_.x, y - lastPress_.y) < doubleClickDistance * mapping_.scale;
    // A third press starts a new pair, as on the desktop.
    lastPress_ = second ? LastPress{} : LastPress{now, x, y, button};
    return second;
}

void PageWindow::pointerDown(PointerKind kind, int pointerId, double x, double y, int button, int buttons, int shift) {
    if (kind != PointerKind::Mouse) {
        if (finger_) return;
        finger_ = pointerId;
        button = buttons = mouse::left;
    }
    const MouseInput input = inputAt(x, y, button, buttons, shift);
    // A double-click is one Click: its second press still moves and drops, but its release clicks nothing.
    const bool second = isSecondClick(button, x, y);
    pressedButtons_ |= button;
    deliver([&](Form& form) {
        if (second)
            form.mouseDoubleClick(input, false);
        else
            form.mouseDown(input);
    });
}

void PageWindow::pointerMove(PointerKind kind, int pointerId, double x, double y, int buttons, int shift) {
    if (kind != PointerKind::Mouse) {
        if (finger_ != pointerId) return;
        buttons = mouse::left;
    }
    const MouseInput input = inputAt(x, y, 0, buttons, shift);
    deliver([&](Form& form) { form.mouseMove(input); });
}

void PageWindow::pointerUp(PointerKind kind, int pointerId, double x, double y, int button, int buttons, int shift) {
    if (kind != PointerKind::Mouse) {
        if (finger_ != pointerId) return;
        finger_.reset();
        button = mouse::left;
        buttons = 0;
    }
    if (!(pressedButtons_ & button)) return;
    pressedButtons_ &= ~button;
    const MouseInput input = inputAt(x, y, button, buttons, shift);
    deliver([&](Form& form) { form.mouseUp(input); });
}

void PageWindow::pointerCancel(int pointerId) {
    if (finger_ != pointerId) return;
    finger_.reset();
    pressedButtons_ &= ~mouse::left;
    deliver([](Form& form) { form.mouseUp({.button = mouse::left, .at = {-1, -1}}); });
}

void PageWindow::press(int index) {
    deliver([&](Form& form) {
        if (const Control* control = mirror_.controlAt(form, index)) form.activate(*control);
    });
}

bool PageWindow::keyPress(Key key) {
    bool used = false;
    deliver([&](Form& form) { used = form.keyPress(key); });
    return used;
}

}  // namespace lumenary
