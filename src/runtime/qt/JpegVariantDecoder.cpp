#include "JpegVariantDecoder.h"

#include "LargeImage.h"

#include <QFile>
#include <QPainter>

#include <cmath>
#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

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
constexpr int bandBuffers = 3;

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

// Bands of decoded rows pass from the decoding thread to the reducing one through a few
// buffers, so that libjpeg decodes a band while the one before it is reduced: on two cores the
// variant takes about the longer of the two rather than both. A buffer holds its band's rows
// from its second row on; its first is the previous band's last.
class BandRing {
public:
    explicit BandRing(int width) {
        for (Slot& slot : slots_) slot.image = QImage(width, bandRows + 1, QImage::Format_RGB32);
    }

    // The decoding side. Band `index`'s buffer, once the band it held before has been reduced:
    QImage& claim(int index) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return index - reduced_ < bandBuffers; });
        return buffer(index);
    }
    QImage& buffer(int index) { return slots_[index % bandBuffers].image; }
    const uchar* lastRowOf(int index) const {
        const Slot& slot = slots_[index % bandBuffers];
        return slot.image.constScanLine(slot.rows);
    }
    void publish(int index, int rows) {
        const std::lock_guard lock(mutex_);
        slots_[index % bandBuffers].rows = rows;
        published_ = index + 1;
        changed_.notify_all();
    }
    // No more bands will come, whether the variant was read to its end or not.
    void close() {
        const std::lock_guard lock(mutex_);
        closed_ = true;
        changed_.notify_all();
    }

    // The reducing side. Band `index`'s rows with the previous band's last before them, from the
    // variant's row `top` on; a null image when no more bands will come.
    QImage take(int index, int& top) {
        std::unique_lock lock(mutex_);
        changed_.wait(lock, [&] { return published_ > index || closed_; });
        if (published_ <= index) return {};
        const Slot& slot = slots_[index % bandBuffers];
        const int first = index == 0 ? 1 : 0;  // the first band has no row before it
        top = index * bandRows - 1 + first;
        return QImage(slot.image.constScanLine(first), slot.image.width(), slot.rows + 1 - first, slot.image.bytesPerLine(),
                      slot.image.format());
    }
    void release(int index) {
        const std::lock_guard lock(mutex_);
        reduced_ = index + 1;
        changed_.notify_all();
    }

private:
    struct Slot {
        QImage image;
        int rows = 0;  // the band's, after the first
    };
    Slot slots_[bandBuffers];
    std::mutex mutex_;
    std::condition_variable changed_;
    int published_ = 0, reduced_ = 0;
    bool closed_ = false;
};

// Draws each band reduced into the rows of the result whose smooth samples fall within it: a
// result row samples the two variant rows around (row + 0.5) / scale - 0.5. With a row shared
// between bands, every result row is drawn once, from both of its variant rows, exactly as
// drawing the whole variant would.
void reduceBands(BandRing& ring, QImage& reduced, QSize expected) {
    const QSize painted = reduced.size();
    const double scale = double(painted.height()) / expected.height();
    const QTransform reducing = QTransform::fromScale(double(painted.width()) / expected.width(), scale);
    QPainter painter(&reduced);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    int nextRow = 0;  // the result's first row not yet drawn
    int top = 0;
    for (int index = 0;; ++index) {
        const QImage held = ring.take(index, top);
        if (held.isNull()) return;
        const int bottom = top + held.height();  // one past the last variant row held
        const int endRow = bottom == expected.height() ? painted.height() : int(std::ceil((bottom - 0.5) * scale - 0.5));
        if (endRow > nextRow) {
            painter.resetTransform();
            painter.setClipRect(QRect(0, nextRow, painted.width(), endRow - nextRow));
            painter.setTransform(reducing);
            painter.drawImage(QPointF(0, top), held);
            nextRow = endRow;
        }
        ring.release(index);
    }
}

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

    QImage reduced = largeImage(painted, QImage::Format_RGB32);
    if (reduced.isNull()) return {};
    BandRing ring(expected.width());
    std::jthread reducer([&] { reduceBands(ring, reduced, expected); });
    const bool read = readRows(
        decompressor.info, bytes, source.size(), expected,
        [&](int row) -> uchar* {
            const int index = row / bandRows, offset = row % bandRows;
            if (offset == 0) {
                QImage& band = ring.claim(index);
                // The previous band's last row comes first, so that the rows between two bands
                // are sampled from both of their source rows.
                if (index > 0) std::memcpy(band.scanLine(0), ring.lastRowOf(index - 1), band.bytesPerLine());
            }
            return ring.buffer(index).scanLine(1 + offset);
        },
        [&](int first, int count) { ring.publish(first / bandRows, count); });
    ring.close();
    reducer.join();
    return read ? reduced : QImage();
}

}  // namespace lumenary
