#include "ProgramFolder.h"

#include <algorithm>
#include <cctype>
#include <string>

namespace lumenary {

namespace fs = std::filesystem;

namespace {

bool holdsPictureFolders(const fs::path& folder) {
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::string name = it->path().filename().string();
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (name == "images" && it->is_directory(error)) return true;
    }
    return false;
}

}  // namespace

fs::path findProgramFolder(const fs::path& executableFolder) {
    if (holdsPictureFolders(executableFolder)) return executableFolder;
    return (executableFolder / ".." / "share" / "lumenary").lexically_normal();
}

}  // namespace lumenary
