#pragma once

#include "artworkCatalogue.h"

#include <QImage>
#include <QString>
#include <QStringList>

namespace lumenary::artwork {

// Saves one picture in the given format, creating its folder. Returns an empty string on
// success, otherwise what went wrong.
QString saveArtwork(const QImage& image, ArtworkFormat format, const QString& path);

// Each picture is also drawn this many times larger, for painting a screen scaled up: twice
// for a 1920 x 1080 display, three times for the denser ones.
inline constexpr int sharperVariantFactors[] = {2, 3};

// Where a picture's larger variant goes: beside it, named in Qt's way ("phases3@3x.jpg").
QString sharperVariantPath(const QString& path, int factor);

// The displays classrooms most often show the screens full screen on: full HD panels and
// projectors, school laptops, and WXGA and XGA projectors. A picture as large as the screens
// (their background) is also drawn at exactly the size each of them paints it, so that a
// first full-screen visit reads it without reducing a larger copy.
inline constexpr QSize commonDisplays[] = {{1920, 1080}, {1366, 768}, {1280, 800}, {1024, 768}};

// Draws every catalogued picture, and its larger variants, into the program folder.
// Returns one message per failure; an empty list means everything was written.
QStringList writeArtwork(const QString& appDir);

}  // namespace lumenary::artwork
