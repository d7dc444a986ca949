#include "qt/window/FormWindows.h"

#include "qt/accessibility/FormAccessible.h"
#include "qt/window/FormWindow.h"
#include "qt/pictures/QtPictureDecoder.h"
#include "qt/window/QtPlatform.h"
#include "runtime/Runtime.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QIcon>
#include <QPixmap>

#include <algorithm>

namespace lumenary {

FormWindows::FormWindows(Runtime& runtime, QtPlatform& platform)
    : runtime_(runtime), platform_(platform), variants_(platform.programFolder()) {
    FormAccessible::install();
}

FormWindows::~FormWindows() {
    for (auto& [serial, window] : windows_) delete window;
}

void FormWindows::setFullScreen(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    for (Form* form : runtime_.visibleForms())
        if (auto window = windows_.find(form->serial()); window != windows_.end()) place(*window->second, *form);
    // The menu stays beneath its activity whichever way the windows were resized.
    for (std::uint64_t serial : stacking_) windows_[serial]->raise();
}

void FormWindows::place(FormWindow& window, const Form& form) {
    const QString title = QString::fromStdString(form.Caption);
    if (window.windowTitle() != title) window.setWindowTitle(title);
    if (fullScreen_) {
        placeFullScreen(window, form);
        return;
    }
    if (window.windowState() & Qt::WindowFullScreen) window.setWindowState(Qt::WindowNoState);
    const TwipsMapping designSize;
    window.setMapping(designSize);
    const FrameMargins margins = platform_.frameMargins();
    const int left = designSize.toPixels(form.Left + margins.left);
    const int top = designSize.toPixels(form.Top + margins.top);
    const int right = designSize.toPixels(form.Left + form.Width - margins.right);
    const int bottom = designSize.toPixels(form.Top + form.Height - margins.bottom);
    const QRect client(left, top, std::max(1, right - left), std::max(1, bottom - top));
    if (window.geometry() != client || window.isHidden()) {
        window.setFixedSize(client.size());
        window.setGeometry(client);
    }
}

void FormWindows::placeFullScreen(FormWindow& window, const Form& form) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect display = screen ? screen->geometry() : QRect(0, 0, 800, 600);
    window.setMapping(TwipsMapping::fitting(form.clientSize(), display.width(), display.height()));
    if (window.geometry() != display || window.isHidden()) {
        window.setFixedSize(display.size());
        window.setGeometry(display);
    }
    if (!(window.windowState() & Qt::WindowFullScreen)) window.setWindowState(Qt::WindowFullScreen);
}

void FormWindows::sync() {
    const std::vector<Form*>& shown = runtime_.visibleForms();  // none once the program has ended
    std::vector<std::uint64_t> order;
    for (const Form* form : shown) order.push_back(form->serial());

    for (auto it = windows_.begin(); it != windows_.end();) {
        if (std::find(order.begin(), order.end(), it->first) == order.end()) {
            it->second->detach();
            it->second->hide();
            it->second->deleteLater();
            it = windows_.erase(it);
        } else {
            ++it;
        }
    }
    if (runtime_.hasEnded()) {
        QCoreApplication::exit(runtime_.exitStatus());
        return;
    }

    for (Form* form : shown) {
        FormWindow*& window = windows_[form->serial()];
        const bool fresh = !window;
        if (fresh) {
            window = new FormWindow(*form, *this);
            // A form without an icon shows none; the toolkit's own icon is never substituted.
            QPixmap blank(16, 16);
            blank.fill(Qt::transparent);
            window->setWindowIcon(form->Icon.isEmpty() ? QIcon(blank) : QIcon(QPixmap::fromImage(asQImage(form->Icon))));
        }
        place(*window, *form);
        if (fresh) window->show();
        window->showChanges();
    }

    if (order != stacking_) {
        for (std::uint64_t serial : order) windows_[serial]->raise();
        if (!order.empty()) windows_[order.back()]->activateWindow();
        stacking_ = order;
    }

    if (shown.empty()) {
        // The last shown screen was closed: nothing is left for the user, so the program ends.
        runtime_.end(0);
        sync();
    }
}

}  // namespace lumenary
