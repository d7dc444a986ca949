#include "LargeImage.h"

#include <cstdint>

#ifdef __linux__
#include <sys/mman.h>
#endif

namespace lumenary {

#ifdef __linux__
namespace {

constexpr std::size_t hugePage = std::size_t(2) << 20;

struct Mapping {
    void* start;
    std::size_t length;
};

void unmap(void* info) {
    auto* mapping = static_cast<Mapping*>(info);
    munmap(mapping->start, mapping->length);
    delete mapping;
}

}  // namespace

QImage largeImage(QSize size, QImage::Format format) {
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    if (size.isEmpty() || depth % 8 != 0 || size.width() > (1 << 15) || size.height() > (1 << 15)) return QImage(size, format);
    const std::size_t bytesPerLine = (std::size_t(size.width()) * depth / 8 + 3) & ~std::size_t(3);
    const std::size_t bytes = bytesPerLine * std::size_t(size.height());
    if (bytes < hugePage) return QImage(size, format);
    // Whole huge pages, and one more, so that the pixels can start on a huge page's edge: a huge
    // page is used only where all of it is advised.
    const std::size_t advised = (bytes + hugePage - 1) & ~(hugePage - 1);
    const std::size_t length = advised + hugePage;
    void* start = mmap(nullptr, length, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (start == MAP_FAILED) return QImage(size, format);
    auto* pixels = reinterpret_cast<uchar*>((reinterpret_cast<std::uintptr_t>(start) + hugePage - 1) & ~(hugePage - 1));
    madvise(pixels, advised, MADV_HUGEPAGE);  // only advice: where refused, ordinary pages serve
    auto* mapping = new Mapping{start, length};
    QImage image(pixels, size.width(), size.height(), static_cast<qsizetype>(bytesPerLine), format, unmap, mapping);
    if (image.isNull()) unmap(mapping);
    return image;
}
#else
QImage largeImage(QSize size, QImage::Format format) { return QImage(size, format); }
#endif

}  // namespace lumenary
