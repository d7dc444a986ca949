#include "JpegVariantDecoder.h"

#include "BandReducer.h"
#include "LargeImage.h"

#include <QFile>

#include <csetjmp>
#include <cstdio>
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

// Rows are read in bands of this many: small enough to stay in the processor's cache.
constexpr int bandRows = BandReducer::bandRows;

// Decodes `bytes` row by row into the rows `rowAt(row)` gives, calling `arrived(first, count)`
// after each band of at most bandRows. False when libjpeg gives up or the header is not of
// `expected` size.
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

    QImage reduced = largeImage(painted, QImage::Format_RGB32);
    if (reduced.isNull()) return {};
    BandReducer reducer(expected, reduced);
    const bool read = readRows(
        decompressor.info, bytes, source.size(), expected, [&](int row) { return reducer.rowToFill(row); },
        [&](int first, int count) { reducer.bandFilled(first, count); });
    reducer.finish();
    return read ? reduced : QImage();
}

}  // namespace lumenary
