#pragma once

#include <filesystem>
#include <string_view>

namespace lumenary {

// Resolves a picture path as the screens write it ("Images\exit.jpg") against the program's
// folder. Elements are separated by backslashes or slashes and each is matched regardless of
// case, so "Images\..." and "images\..." name one folder on any file system. Absolute paths and
// paths that climb out of the program's folder are refused. Throws RuntimeError naming the path.
std::filesystem::path resolvePicturePath(const std::filesystem::path& programFolder, std::string_view written);

}  // namespace lumenary
