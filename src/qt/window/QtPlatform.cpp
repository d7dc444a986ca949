#include "qt/window/QtPlatform.h"
#include "runtime/language/Translation.h"

#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/ProgramFolder.h"
#include "runtime/Runtime.h"

#include <QAccessible>
#include <QApplication>
#include <QCoreApplication>
#include <QCursor>
#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>
#include <QTime>
#include <QUrl>

#include <iostream>

namespace lumenary {

namespace {
// The desktop and the window frame are measured in the pixels of an ordinary display.
constexpr Twips designTwips(int pixels) { return static_cast<Twips>(pixels) * twipsPerDesignPixel; }
}  // namespace

std::filesystem::path QtPlatform::programFolder() const {
    return findProgramFolder(std::filesystem::path(QCoreApplication::applicationDirPath().toStdString()));
}

TwipsSize QtPlatform::desktopSize() const {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize size = screen ? screen->geometry().size() : QSize(800, 600);
    return {designTwips(size.width()), designTwips(size.height())};
}

void QtPlatform::setMousePointer(int pointer) {
    const bool wantBusy = pointer == Screen::busyPointer;
    if (wantBusy && !busy_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
    if (!wantBusy && busy_) QGuiApplication::restoreOverrideCursor();
    busy_ = wantBusy;
}

void QtPlatform::randomize() { random_.reseed(QTime::currentTime().msecsSinceStartOfDay() / 1000.0); }

void QtPlatform::shellExecute(const Form*, const std::string& operation, const std::string& target) {
    if (operation != "open") return;
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(target)));
}

void QtPlatform::reportError(const std::string& message) {
    std::cerr << "Lumenary: " << message << std::endl;
    setMousePointer(Screen::defaultPointer);
    // The program ends after this; the screens behind the dialog may be half updated by the
    // failed handler (a question without its picture), so they are not shown meanwhile.
    for (QWidget* window : QApplication::topLevelWidgets()) window->hide();
    // Its button in the language the screens speak, not in Qt's own.
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Lumenary"), QString::fromStdString(message));
    box.addButton(QString::fromStdString(tr(N_("OK"))), QMessageBox::AcceptRole);
    box.exec();
}

// Built into the executable, so that the title bar shows it wherever the program runs from.
Picture QtPlatform::applicationIcon() {
    QFile icon(QStringLiteral(":/lumenary/icon.png"));
    if (!icon.open(QIODevice::ReadOnly)) return {};
    const QByteArray bytes = icon.readAll();
    return decodePictureWithQt({reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())},
                               "png", "the program's icon");
}

bool QtPlatform::isAssistiveTechnologyActive() const { return QAccessible::isActive(); }

void QtPlatform::tellAssistiveTechnology(QAccessibleEvent& event) { QAccessible::updateAccessibility(&event); }

Picture QtPlatform::decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, const std::string& displayPath) {
    return decodePictureWithQt(bytes, qtFormatName(format), displayPath);
}

}  // namespace lumenary
