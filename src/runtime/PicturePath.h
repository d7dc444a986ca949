#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace lumenary {

// Resolves a picture path as the screens write it ("Images\exit.jpg") against the program's
// folder. Elements are separated by backslashes or slashes and each is matched regardless of
// case, so "Images\..." and "images\..." name one folder on any file system. Absolute paths and
// paths that climb out of the program's folder are refused. Throws RuntimeError naming the path.
std::filesystem::path resolvePicturePath(const std::filesystem::path& programFolder, std::string_view written);

// A picture with words has a copy drawn in each language, in a folder named by the language's
// code beside it ("Images/cy/exit.jpg" for "Images\exit.jpg"): that copy where `language` has
// one, else the picture as written.
std::string pictureInLanguage(const std::filesystem::path& programFolder, std::string_view written, std::string_view language);

}  // namespace lumenary
