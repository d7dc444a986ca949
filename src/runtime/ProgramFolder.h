#pragma once

#include <filesystem>

namespace lumenary {

// The folder the program's pictures live in: beside the executable when its picture folders
// are there (a build's app folder, or a copy of it anywhere), otherwise ../share/lumenary
// relative to the executable, where an installed package puts them.
std::filesystem::path findProgramFolder(const std::filesystem::path& executableFolder);

}  // namespace lumenary
