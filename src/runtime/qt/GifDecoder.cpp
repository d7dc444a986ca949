#include "GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <memory>

namespace lumenary {

namespace {

struct GifCloser {
    void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

using GifFile = std::unique_ptr<GifFileType, GifCloser>;

// giflib's reader over bytes in memory: what is left of them.
int readFromMemory(GifFileType* gif, GifByteType* into, int wanted) {
    auto* rest = static_cast<std::span<const std::uint8_t>*>(gif->UserData);
    const std::size_t count = std::min(rest->size(), static_cast<std::size_t>(std::max(wanted, 0)));
    std::copy_n(rest->begin(), count, into);
    *rest = rest->subspan(count);
    return static_cast<int>(count);
}

QImage decodeOpened(const GifFile& gif, QSize expected) {
    if (!gif || QSize(gif->SWidth, gif->SHeight) != expected) return {};
    if (DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount < 1) return {};
    const SavedImage& frame = gif->SavedImages[0];
    const GifImageDesc& place = frame.ImageDesc;
    const ColorMapObject* colours = place.ColorMap ? place.ColorMap : gif->SColorMap;
    if (!colours || place.Interlace || place.Left != 0 || place.Top != 0 || place.Width != gif->SWidth ||
        place.Height != gif->SHeight || place.Width <= 0 || place.Height <= 0)
        return {};
    GraphicsControlBlock control{};
    control.TransparentColor = NO_TRANSPARENT_COLOR;
    DGifSavedExtensionToGCB(gif.get(), 0, &control);

    QRgb palette[256] = {};
    for (int i = 0; i < colours->ColorCount && i < 256; ++i)
        palette[i] = qRgb(colours->Colors[i].Red, colours->Colors[i].Green, colours->Colors[i].Blue);
    const bool transparent = control.TransparentColor != NO_TRANSPARENT_COLOR;
    if (transparent) palette[control.TransparentColor & 0xff] = 0;

    QImage image(place.Width, place.Height, transparent ? QImage::Format_ARGB32_Premultiplied : QImage::Format_RGB32);
    if (image.isNull()) return {};
    const GifByteType* index = frame.RasterBits;
    for (int y = 0; y < place.Height; ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < place.Width; ++x) row[x] = palette[*index++];
    }
    return image;
}

}  // namespace

QImage decodeGifVariant(const std::filesystem::path& file, QSize expected) {
    int error = 0;
    return decodeOpened(GifFile(DGifOpenFileName(file.c_str(), &error)), expected);
}

QImage decodeGif(std::span<const std::uint8_t> bytes) {
    int error = 0;
    std::span<const std::uint8_t> rest = bytes;
    const GifFile gif(DGifOpen(&rest, readFromMemory, &error));
    return gif ? decodeOpened(gif, QSize(gif->SWidth, gif->SHeight)) : QImage();
}

}  // namespace lumenary
