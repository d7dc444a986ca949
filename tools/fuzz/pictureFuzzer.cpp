// Arbitrary bytes through the program's whole picture path: the header check, Qt's reader of
// the format the check names, and painting the picture scaled up on a window, as a full-screen
// screen paints it. A file may be refused (RuntimeError); nothing may crash, hang or run away
// with memory, and no picture beyond the program's limits may come out of the decoder.
#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/PictureFile.h"
#include "runtime/RuntimeError.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "picture_fuzzer";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
    // Qt's readers warn about every broken file; millions of lines say nothing.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace lumenary;
    const std::span<const std::uint8_t> bytes(data, size);
    try {
        const PictureHeader header = checkPictureFile(bytes, "fuzz");
        const Picture picture = decodePictureWithQt(bytes, qtFormatName(header.format), "fuzz");
        if (picture.width() > maxPictureSide || picture.height() > maxPictureSide ||
            std::int64_t(picture.width()) * picture.height() > maxPicturePixels)
            std::abort();
        QImage window(320, 240, QImage::Format_RGB32);
        window.fill(Qt::black);
        QPainter painter(&window);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(QRectF(3, 5, picture.width() * 1.8, picture.height() * 1.8), asQImage(picture));
    } catch (const RuntimeError&) {
    }
    return 0;
}
