#pragma once

#include <cstdint>

namespace lumenary {

struct Color {
    std::uint8_t r = 0, g = 0, b = 0;
    friend bool operator==(const Color&, const Color&) = default;
};

namespace colors {
inline constexpr Color black{0, 0, 0};
inline constexpr Color white{255, 255, 255};
inline constexpr Color yellow{255, 255, 0};
inline constexpr Color blue{0, 0, 255};
inline constexpr Color silver{192, 192, 192};
inline constexpr Color darkGrey{64, 64, 64};
}  // namespace colors

}  // namespace lumenary
