#pragma once

#include <QImage>

namespace lumenary {

// A new image for a picture kept at full-screen size. Where the system offers huge memory
// pages (Linux's transparent huge pages), a large image asks for them: filling 6 MB of fresh
// pixels then takes three page faults instead of some fifteen hundred. Elsewhere, and for
// small images, it is an ordinary QImage.
QImage largeImage(QSize size, QImage::Format format);

}  // namespace lumenary
