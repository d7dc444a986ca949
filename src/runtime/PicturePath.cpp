#include "PicturePath.h"

#include "RuntimeError.h"

#include <algorithm>
#include <cctype>
#include <string>
#include <system_error>
#include <vector>

namespace lumenary {
namespace fs = std::filesystem;

namespace {

[[noreturn]] void refuse(std::string_view written, const std::string& reason) {
    throw pictureError(std::string(written), reason);
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](unsigned char x, unsigned char y) { return std::tolower(x) == std::tolower(y); });
}

std::vector<std::string> splitElements(std::string_view written) {
    std::vector<std::string> elements;
    std::string current;
    for (char c : written) {
        if (c == '\\' || c == '/') {
            if (!current.empty()) elements.push_back(std::move(current));
            current.clear();
        } else {
            current += c;
        }
    }
    if (!current.empty()) elements.push_back(std::move(current));
    return elements;
}

bool isAbsolute(std::string_view written) {
    const bool rooted = written.front() == '\\' || written.front() == '/';
    const bool driveLetter = written.size() >= 2 && written[1] == ':';
    return rooted || driveLetter;
}

// The entry of `folder` whose name matches `element`, preferring an exact match.
fs::path findEntry(const fs::path& folder, const std::string& element) {
    std::error_code ec;
    if (fs::exists(folder / element, ec)) return folder / element;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        if (sameIgnoringCase(it->path().filename().string(), element)) return it->path();
    }
    return {};
}

}  // namespace

std::string pictureInLanguage(const fs::path& programFolder, std::string_view written, std::string_view language) {
    if (language == "en") return std::string(written);
    std::string path(written);
    std::replace(path.begin(), path.end(), '\\', '/');
    const std::size_t name = path.rfind('/') + 1;  // 0 where the path has no folder
    const std::string copy = path.substr(0, name) + std::string(language) + "/" + path.substr(name);
    std::error_code unreadable;
    return fs::is_regular_file(programFolder / copy, unreadable) ? copy : std::string(written);
}

fs::path resolvePicturePath(const fs::path& programFolder, std::string_view written) {
    if (written.empty()) refuse(written, tr(N_("the path is empty")));
    if (isAbsolute(written)) refuse(written, "absolute paths are not allowed; pictures live in the program's folder");

    const std::vector<std::string> elements = splitElements(written);
    if (elements.empty()) refuse(written, tr(N_("the path names no file")));

    fs::path current = programFolder;
    for (std::size_t i = 0; i < elements.size(); ++i) {
        const std::string& element = elements[i];
        if (element == "..") refuse(written, tr(N_("the path climbs out of the program's folder")));
        if (element == ".") continue;
        fs::path next = findEntry(current, element);
        if (next.empty()) {
            const bool last = i + 1 == elements.size();
            refuse(written, last ? tr(N_("the file does not exist")) : trFill(N_("the folder \"%s\" does not exist"), {element}));
        }
        current = next;
    }

    // A link inside the folder must not lead outside it either.
    std::error_code ec;
    const fs::path real = fs::weakly_canonical(current, ec);
    const fs::path root = fs::weakly_canonical(programFolder, ec);
    auto [rootEnd, realIt] = std::mismatch(root.begin(), root.end(), real.begin(), real.end());
    if (ec || rootEnd != root.end()) refuse(written, tr(N_("the path leads out of the program's folder")));
    if (!fs::is_regular_file(real, ec)) refuse(written, tr(N_("it is not a file")));
    return real;
}

}  // namespace lumenary
