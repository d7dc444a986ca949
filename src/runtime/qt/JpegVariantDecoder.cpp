#include "JpegVariantDecoder.h"

#include "LargeImage.h"

#include <QFile>
#include <QPainter>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <functional>

#include <jpeglib.h>

namespace lumenary {

namespace {

// libjpeg reports a fatal error by calling error_exit, which must not return; it jumps back to
// the read instead. Nothing between the jump and its target is C++ with cleanup to skip: only
// libjpeg's own frames.
struct JumpingErrors {
    jpeg_error_mgr manager;
    std::jmp_buf back;
};

[[noreturn]] void jumpBack(j_common_ptr info) { std::longjmp(reinterpret_cast<JumpingErrors*>(info->err)->back, 1); }
void stayQuiet(j_common_ptr, int) {}

// Rows arrive in bands of this many: small enough to stay in the processor's cache.
constexpr int bandRows = 32;

// Decodes `bytes` row by row into the rows `rowsFor(first, count)` gives (count at most
// bandRows), calling `arrived(first, count)` after each band. False when libjpeg gives up or
// the header is not of `expected` size.
bool readRows(jpeg_decompress_struct& info, const uchar* bytes, qint64 size, QSize expected,
              const std::function<uchar*(int row)>& rowAt, const std::function<void(int first, int count)>& arrived) {
    JumpingErrors errors;
    info.err = jpeg_std_error(&errors.manager);
    errors.manager.error_exit = jumpBack;
    errors.manager.emit_message = stayQuiet;
    if (setjmp(errors.back)) return false;
    jpeg_mem_src(&info, bytes, static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;
    if (QSize(static_cast<int>(info.image_width), static_cast<int>(info.image_height)) != expected) return false;
    info.out_color_space = JCS_EXT_BGRX;  // the bytes of an RGB32 pixel in memory
    jpeg_start_decompress(&info);
    const int height = static_cast<int>(info.output_height);
    while (static_cast<int>(info.output_scanline) < height) {
        const int first = static_cast<int>(info.output_scanline);
        JSAMPROW rows[bandRows];
        const int count = std::min(bandRows, height - first);
        for (int i = 0; i < count; ++i) rows[i] = rowAt(first + i);
        int read = 0;
        while (read < count) read += static_cast<int>(jpeg_read_scanlines(&info, rows + read, static_cast<JDIMENSION>(count - read)));
        arrived(first, count);
    }
    jpeg_finish_decompress(&info);
    return true;
}

struct Decompressor {
    jpeg_decompress_struct info{};
    Decompressor() {
        // Creating one reports only a version mismatch, which the build rules out.
        static jpeg_error_mgr unused;
        info.err = jpeg_std_error(&unused);
        jpeg_create_decompress(&info);
    }
    ~Decompressor() { jpeg_destroy_decompress(&info); }
};

}  // namespace

QImage decodeJpegVariant(const std::filesystem::path& file, QSize expected, QSize painted) {
    QFile source(QString::fromStdString(file.string()));
    if (!source.open(QIODevice::ReadOnly) || source.size() == 0) return {};
    const uchar* bytes = source.map(0, source.size());
    if (!bytes) return {};
    Decompressor decompressor;

    if (painted.width() >= expected.width() || painted.height() >= expected.height()) {
        QImage whole = largeImage(expected, QImage::Format_RGB32);
        if (whole.isNull()) return {};
        const bool read = readRows(decompressor.info, bytes, source.size(), expected,
                                   [&](int row) { return whole.scanLine(row); }, [](int, int) {});
        return read ? whole : QImage();
    }

    // Each band is drawn reduced into the rows of the result whose smooth samples fall within
    // it: a destination row samples the two source rows around (row + 0.5) / scale - 0.5. Bands
    // overlap by one row, so every destination row is drawn once, from both of its source rows,
    // exactly as drawing the whole variant would.
    QImage reduced = largeImage(painted, QImage::Format_RGB32);
    QImage band(expected.width(), bandRows + 1, QImage::Format_RGB32);
    if (reduced.isNull() || band.isNull()) return {};
    const double scale = double(painted.height()) / expected.height();
    const QTransform reducing = QTransform::fromScale(double(painted.width()) / expected.width(), scale);
    QPainter painter(&reduced);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int bandTop = 0;   // the variant's row held in the band's first row
    int nextRow = 0;   // the result's first row not yet drawn
    const bool read = readRows(
        decompressor.info, bytes, source.size(), expected,
        [&](int row) { return band.scanLine(row - bandTop); },
        [&](int first, int count) {
            const int bottom = first + count;  // one past the last variant row held
            const bool last = bottom == expected.height();
            const int endRow = last ? painted.height() : int(std::ceil((bottom - 0.5) * scale - 0.5));
            if (endRow > nextRow) {
                painter.resetTransform();
                painter.setClipRect(QRect(0, nextRow, painted.width(), endRow - nextRow));
                painter.setTransform(reducing);
                // A view of the rows held, so that nothing past them is sampled.
                const QImage held(band.constBits(), band.width(), bottom - bandTop, band.bytesPerLine(), band.format());
                painter.drawImage(QPointF(0, bandTop), held);
                nextRow = endRow;
            }
            // The last row stays as the next band's first.
            std::memcpy(band.scanLine(0), band.scanLine(bottom - 1 - bandTop), band.bytesPerLine());
            bandTop = bottom - 1;
        });
    painter.end();
    return read ? reduced : QImage();
}

}  // namespace lumenary
