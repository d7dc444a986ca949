#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumenary {

// A decoded picture: immutable 32-bit ARGB pixels shared by everyone who holds it.
// An empty Picture is "no picture" (what loading the empty path gives).
class Picture {
public:
    Picture() = default;
    Picture(int width, int height, std::vector<std::uint32_t> argb, std::string sourcePath);

    bool isEmpty() const { return !data_; }
    int width() const { return data_ ? data_->width : 0; }
    int height() const { return data_ ? data_->height : 0; }
    const std::uint32_t* pixels() const { return data_ ? data_->argb.data() : nullptr; }
    std::uint32_t pixel(int x, int y) const { return data_->argb[static_cast<std::size_t>(y) * data_->width + x]; }
    const std::string& sourcePath() const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.data_ == b.data_; }

private:
    struct Data {
        int width;
        int height;
        std::vector<std::uint32_t> argb;
        std::string sourcePath;
    };
    std::shared_ptr<const Data> data_;
};

}  // namespace lumenary
