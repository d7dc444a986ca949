#pragma once

#include <string>

namespace lumenary {

// A font as the screens name it; sizes in points.
struct Font {
    std::string Name = "Tahoma";
    float Size = 8.25f;
    bool Bold = false;
    bool operator==(const Font&) const = default;
};

// The faces the program draws with, each a file in the program's fonts folder: the screens'
// Tahoma (Wine's, with the Welsh letters it lacks added by the build), and the metric-compatible
// faces drawn for Times New Roman and Arial.
struct FontFace {
    const char* family;
    bool bold;
    const char* file;
};
inline constexpr FontFace programFaces[] = {
    {"Tahoma",           false, "lumenary-tahoma.ttf"},
    {"Tahoma",           true,  "lumenary-tahomabd.ttf"},
    {"Liberation Serif", false, "LiberationSerif-Regular.ttf"},
    {"Liberation Serif", true,  "LiberationSerif-Bold.ttf"},
    {"Liberation Sans",  false, "LiberationSans-Regular.ttf"},
    {"Liberation Sans",  true,  "LiberationSans-Bold.ttf"},
};

// The face drawn for the font a screen names.
std::string faceFamily(const std::string& name);
// Its size in design pixels: through twips rather than the display's density, so that text
// sits in its box the same way everywhere.
int pixelSize(const Font& font);

}  // namespace lumenary
