#include "web/painting/WebFonts.h"

#include "runtime/Twips.h"

#include <emscripten.h>

#include <cmath>

namespace lumenary {

namespace {

EM_JS(void, js_addFont, (const char* family, int bold, const char* file), {
    Lumenary.fonts.add(UTF8ToString(family), bold != 0, UTF8ToString(file));
});

// The metric-compatible face drawn in place of the Windows one a screen names.
std::string familyOf(const std::string& name) {
    if (name == "Times New Roman") return "Liberation Serif";
    if (name == "Arial") return "Liberation Sans";
    return name;
}

}  // namespace

void registerProgramFonts(const std::filesystem::path& programFolder) {
    struct Face {
        const char* family;
        bool bold;
        const char* file;
    };
    static constexpr Face faces[] = {
        {"Tahoma",           false, "tahoma.ttf"},
        {"Tahoma",           true,  "tahomabd.ttf"},
        {"Liberation Serif", false, "LiberationSerif-Regular.ttf"},
        {"Liberation Serif", true,  "LiberationSerif-Bold.ttf"},
        {"Liberation Sans",  false, "LiberationSans-Regular.ttf"},
        {"Liberation Sans",  true,  "LiberationSans-Bold.ttf"},
    };
    for (const Face& face : faces) js_addFont(face.family, face.bold, (programFolder / "fonts" / face.file).string().c_str());
}

std::string cssFont(const Font& font) {
    // Through twips rather than the display's density, so text sits in its box the same way everywhere.
    const long pixels = std::lround(font.Size * twipsPerPoint / twipsPerDesignPixel);
    return std::string(font.Bold ? "bold " : "") + std::to_string(pixels) + "px \"" + familyOf(font.Name) + "\"";
}

}  // namespace lumenary
