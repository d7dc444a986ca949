#include "web/window/PageWindow.h"

#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "runtime/painting/FormPainter.h"
#include "web/painting/Canvas.h"
#include "web/pictures/ActivityPictures.h"
#include "web/window/WebPlatform.h"

#include <emscripten.h>


namespace lumenary {

namespace {

EM_JS(void, js_setTitle, (const char* caption), { Lumenary.setTitle(UTF8ToString(caption)); });
EM_JS(void, js_showEnded, (), { Lumenary.showEnded(); });

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
        changes_.since(form);  // from here on, what changes is repainted alone
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

void PageWindow::pointer(PointerEvent::Type type, PointerKind kind, int pointerId, double x, double y, int button, int buttons,
                         int shift, double milliseconds) {
    const PointerEvent event{.type = type, .kind = kind, .id = pointerId, .button = button, .buttons = buttons, .shift = shift,
                             .at = {mapping_.toTwipsX(x), mapping_.toTwipsY(y)}, .milliseconds = milliseconds};
    deliver([&](Form& form) { pointerRules_.apply(event, form); });
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
