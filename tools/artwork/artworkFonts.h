#pragma once

#include <QFont>

namespace lumenary::artwork {

// Fonts for the words drawn into pictures. A QGuiApplication must exist before the first call.

// The program's interface face (Tahoma, bold when asked), falling back to Liberation Sans.
QFont interfaceFont(int pixelSize, bool bold);

// A bookish serif face for the publisher's name.
QFont serifFont(int pixelSize, bool bold);

}  // namespace lumenary::artwork
