// The floor the program is measured against: a bare Qt Widgets window the size of the title
// screen's client area (364 x 438), painted silver, titled " " and centred, as the title screen
// is. With --peak-memory it prints its peak resident memory (KiB) once painted and settled, and
// quits.
#include "PeakMemory.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <iostream>

namespace {

class BareWindow : public QWidget {
public:
    explicit BareWindow(bool reportMemory) : reportMemory_(reportMemory) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter(this).fillRect(rect(), QColor(192, 192, 192));
        if (reportMemory_ && !reported_) {
            reported_ = true;
            // The same pause the program's tour takes after each screen.
            QTimer::singleShot(150, [] {
                std::cout << lumenary::bench::peakResidentKiB() << std::endl;
                QCoreApplication::quit();
            });
        }
    }

private:
    bool reportMemory_;
    bool reported_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    BareWindow window(app.arguments().contains(QStringLiteral("--peak-memory")));
    window.setWindowTitle(QStringLiteral(" "));
    window.setFixedSize(364, 438);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
