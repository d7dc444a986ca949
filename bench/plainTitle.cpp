// What start-up is measured against: a plain Qt program that draws the same title screen, a
// QWidget painting the title's picture and its texts in the program's fonts with QPainter, and
// nothing else: no forms, no runtime, no accessibility, no picture checks.
//
//   plain_title PROGRAM_FOLDER
#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QPainter>
#include <QScreen>
#include <QWidget>

namespace {

QFont face(const char* family, int pixels, bool bold) {
    QFont f(QString::fromLatin1(family));
    f.setPixelSize(pixels);
    f.setBold(bold);
    return f;
}

class PlainTitle : public QWidget {
public:
    explicit PlainTitle(const QString& folder) : picture_(QDir(folder).filePath(QStringLiteral("opening/tessil00.gif")), "gif") {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), QColor(192, 192, 192));
        painter.drawImage(QPoint(22, 100), picture_);
        painter.setPen(QColor(0, 0, 255));
        const struct {
            QFont font;
            QRect box;
            const char* text;
        } texts[] = {
            {face("Liberation Serif", 35, true), QRect(8, 6, 345, 97), "Lumenary"},
            {face("Liberation Serif", 21, false), QRect(24, 352, 313, 41), "By the Corbelwick science team"},
            {face("Liberation Sans", 11, false), QRect(0, 422, 361, 17), "Corbelwick Learning. Free to use in any classroom."},
        };
        for (const auto& text : texts) {
            painter.setFont(text.font);
            painter.drawText(text.box, Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap, QString::fromLatin1(text.text));
        }
        painter.setPen(Qt::black);
        painter.setFont(face("Tahoma", 11, false));
        for (const auto& [left, caption] : {std::pair(88, "OK"), std::pair(184, "Exit")}) {
            const QRect button(left, 394, 89, 25);
            painter.fillRect(button, QColor(192, 192, 192));
            painter.drawRect(button.adjusted(0, 0, -1, -1));
            painter.drawText(button, Qt::AlignCenter, QString::fromLatin1(caption));
        }
    }

private:
    QImage picture_;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QFontDatabase::addApplicationFont(QDir(folder).filePath(QStringLiteral("fonts/lumenary-tahoma.ttf")));
    PlainTitle window(folder);
    window.setWindowTitle(QStringLiteral(" "));
    window.setFixedSize(364, 438);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        window.move(screen->geometry().center() - window.rect().center());
    window.show();
    return QApplication::exec();
}
