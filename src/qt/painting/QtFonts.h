#pragma once

#include "runtime/Twips.h"
#include "runtime/controls/Font.h"

#include <QFont>

#include <filesystem>

namespace lumenary {

// Registers the fonts shipped in the program's "fonts" folder and the metric-compatible
// substitutes for the fonts the screens name (Tahoma, Times New Roman, Arial).
void registerProgramFonts(const std::filesystem::path& programFolder);

// The Qt font for a screen's font at the design size, its pixel size following from points
// through twips (1 pt = 20 twips, 15 twips a pixel). Painting scales it with the screen.
QFont toQFont(const Font& font);

}  // namespace lumenary
