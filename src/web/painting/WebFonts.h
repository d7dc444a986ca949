#pragma once

#include "runtime/controls/Font.h"

#include <filesystem>
#include <string>

namespace lumenary {

// Hands the fonts in the program's "fonts" folder (the same Tahoma and Liberation files the
// desktop draws with) to the page as its own faces, named as the desktop names them. The page
// starts the program once they have loaded, so the first paint already uses them.
void registerProgramFonts(const std::filesystem::path& programFolder);

// The CSS font for a screen's font at the design size, its pixel size following from points
// through twips (1 pt = 20 twips, 15 twips a pixel), as on the desktop. Painting scales it.
std::string cssFont(const Font& font);

}  // namespace lumenary
