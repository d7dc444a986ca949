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

}  // namespace lumenary
