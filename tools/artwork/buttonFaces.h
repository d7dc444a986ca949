#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace lumenary::artwork {

// A raised blue button face with one word centred on it in bold white.
QImage drawButtonFace(QSize size, const QString& word);

}  // namespace lumenary::artwork
