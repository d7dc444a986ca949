#include "Font.h"

#include "../Twips.h"

#include <cmath>

namespace lumenary {

std::string faceFamily(const std::string& name) {
    if (name == "Times New Roman") return "Liberation Serif";
    if (name == "Arial") return "Liberation Sans";
    return name;
}

int pixelSize(const Font& font) { return static_cast<int>(std::lround(font.Size * twipsPerPoint / twipsPerDesignPixel)); }

}  // namespace lumenary
