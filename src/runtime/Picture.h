#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace lumenary {

// A decoded picture: immutable 32-bit ARGB pixels shared by everyone who holds it.
// An empty Picture is "no picture" (what loading the empty path gives).
class Picture {
    struct Data;

public:
    Picture() = default;
    Picture(int width, int height, std::vector<std::uint32_t> argb, std::string sourcePath);
    // Pixels kept alive by whatever `pixels` shares ownership with (a decoder's own buffer, so
    // that a decoded picture is not copied), width * height of them, row after row. An opaque
    // picture has every alpha at 255.
    Picture(int width, int height, std::shared_ptr<const std::uint32_t> pixels, bool opaque, std::string sourcePath);

    bool isEmpty() const { return !data_; }
    int width() const { return data_ ? data_->width : 0; }
    int height() const { return data_ ? data_->height : 0; }
    bool isOpaque() const { return data_ && data_->opaque; }
    const std::uint32_t* pixels() const { return data_ ? data_->pixels.get() : nullptr; }
    std::uint32_t pixel(int x, int y) const { return data_->pixels.get()[static_cast<std::size_t>(y) * data_->width + x]; }
    const std::string& sourcePath() const;

    friend bool operator==(const Picture& a, const Picture& b) { return a.data_ == b.data_; }

    // Refers to a picture without keeping it alive: caches hold these, so that a picture no
    // screen shows any more is freed.
    class Weak {
    public:
        Weak() = default;
        explicit Weak(const Picture& picture) : data_(picture.data_) {}
        // The picture, or an empty one once nobody holds it.
        Picture lock() const;
        bool expired() const { return data_.expired(); }

    private:
        std::weak_ptr<const Data> data_;
    };

private:
    struct Data {
        int width;
        int height;
        std::shared_ptr<const std::uint32_t> pixels;
        bool opaque;
        std::string sourcePath;
    };
    explicit Picture(std::shared_ptr<const Data> data) : data_(std::move(data)) {}

    std::shared_ptr<const Data> data_;
};

}  // namespace lumenary
