#pragma once

#include <QImage>
#include <QSize>

namespace lumenary::artwork {

// The emblem and name of the program's publisher, Corbelwick: a candle flame above an open
// book inside a gold ring, on a navy plate.
QImage drawPublisherLogo(QSize size);

}  // namespace lumenary::artwork
