#include "gifWriter.h"

#include "colourQuantiser.h"

#include <QFile>

#include <gif_lib.h>

#include <vector>

namespace lumenary::artwork {

namespace {

QString gifError(const QString& path, const char* step, int code)
{
    const char* reason = GifErrorString(code);
    return QStringLiteral("%1: %2 failed: %3").arg(path, QString::fromLatin1(step), QString::fromLatin1(reason ? reason : "unknown GIF error"));
}

// GIF colour tables hold a power of two of entries, at least two.
int colourTableSize(qsizetype colours)
{
    int size = 2;
    while (size < colours)
        size *= 2;
    return size;
}

// Owns the giflib colour map so every exit path frees it.
struct ColourMap {
    explicit ColourMap(const QList<QRgb>& palette)
    {
        const int size = colourTableSize(palette.size());
        std::vector<GifColorType> entries(static_cast<std::size_t>(size), GifColorType{0, 0, 0});
        for (qsizetype i = 0; i < palette.size(); ++i)
            entries[std::size_t(i)] = {GifByteType(qRed(palette[i])), GifByteType(qGreen(palette[i])), GifByteType(qBlue(palette[i]))};
        map = GifMakeMapObject(size, entries.data());
    }
    ~ColourMap() { GifFreeMapObject(map); }
    ColourMap(const ColourMap&) = delete;
    ColourMap& operator=(const ColourMap&) = delete;

    ColorMapObject* map = nullptr;
};

QString writeFrames(GifFileType* gif, const QImage& indexed, ColorMapObject* colours, const QString& path)
{
    const int width = indexed.width();
    const int height = indexed.height();
    if (EGifPutScreenDesc(gif, width, height, 8, 0, colours) == GIF_ERROR)
        return gifError(path, "writing the screen description", gif->Error);
    if (EGifPutImageDesc(gif, 0, 0, width, height, false, nullptr) == GIF_ERROR)
        return gifError(path, "writing the image description", gif->Error);
    std::vector<GifPixelType> row(static_cast<std::size_t>(width));
    for (int y = 0; y < height; ++y) {
        const uchar* line = indexed.constScanLine(y);
        std::copy(line, line + width, row.begin());
        if (EGifPutLine(gif, row.data(), width) == GIF_ERROR)
            return gifError(path, "writing pixel rows", gif->Error);
    }
    return {};
}

}  // namespace

QString writeGif(const QImage& image, const QString& path)
{
    if (image.isNull())
        return QStringLiteral("%1: there is no picture to write").arg(path);
    const QImage indexed = toIndexedColours(image);
    const ColourMap colours(indexed.colorTable());
    if (!colours.map)
        return QStringLiteral("%1: could not build the GIF colour table").arg(path);

    int openError = 0;
    GifFileType* gif = EGifOpenFileName(QFile::encodeName(path).constData(), false, &openError);
    if (!gif)
        return gifError(path, "opening the file", openError);

    const QString failure = writeFrames(gif, indexed, colours.map, path);
    int closeError = 0;
    if (EGifCloseFile(gif, &closeError) == GIF_ERROR && failure.isEmpty())
        return gifError(path, "closing the file", closeError);
    return failure;
}

}  // namespace lumenary::artwork
