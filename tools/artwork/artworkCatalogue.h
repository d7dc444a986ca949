#pragma once

#include <QImage>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

namespace lumenary::artwork {

enum class ArtworkFormat { Gif, Jpeg, Bmp };

// One picture file the program reads: where it goes in the program folder, its size in
// pixels, its file format and how to draw it.
struct ArtworkFile {
    QString path;
    QSize size;
    ArtworkFormat format;
    std::function<QImage(QSize)> draw;
};

// Every picture the program reads, in the folders it looks in.
const std::vector<ArtworkFile>& artworkCatalogue();

}  // namespace lumenary::artwork
