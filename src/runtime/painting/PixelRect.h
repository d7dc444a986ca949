#pragma once

#include <algorithm>

namespace lumenary {

// A box of a device in whole pixels. `right()` and `bottom()` are the first pixels past it.
struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;

    int right() const { return x + width; }
    int bottom() const { return y + height; }
    bool isEmpty() const { return width <= 0 || height <= 0; }
    PixelRect adjusted(int left, int top, int rightBy, int bottomBy) const {
        return {x + left, y + top, width - left + rightBy, height - top + bottomBy};
    }
    PixelRect intersected(const PixelRect& other) const {
        const int left = std::max(x, other.x), top = std::max(y, other.y);
        return {left, top, std::max(0, std::min(right(), other.right()) - left),
                std::max(0, std::min(bottom(), other.bottom()) - top)};
    }
    bool intersects(const PixelRect& other) const { return !intersected(other).isEmpty(); }
    bool contains(const PixelRect& other) const {
        return x <= other.x && y <= other.y && other.right() <= right() && other.bottom() <= bottom();
    }
    bool operator==(const PixelRect&) const = default;
};

}  // namespace lumenary
