#include "web/painting/WebFonts.h"

#include <emscripten.h>

namespace lumenary {

namespace {

EM_JS(void, js_addFont, (const char* family, int bold, const char* file), {
    Lumenary.fonts.add(UTF8ToString(family), bold != 0, UTF8ToString(file));
});

}  // namespace

void registerProgramFonts(const std::filesystem::path& programFolder) {
    for (const FontFace& face : programFaces) js_addFont(face.family, face.bold, (programFolder / "fonts" / face.file).string().c_str());
}

std::string cssFont(const Font& font) {
    return std::string(font.Bold ? "bold " : "") + std::to_string(pixelSize(font)) + "px \"" + faceFamily(font.Name) + "\"";
}

}  // namespace lumenary
