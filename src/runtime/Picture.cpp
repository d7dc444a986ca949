#include "Picture.h"

#include <stdexcept>

namespace lumenary {

Picture::Picture(int width, int height, std::vector<std::uint32_t> argb, std::string sourcePath) {
    if (width <= 0 || height <= 0 || argb.size() != static_cast<std::size_t>(width) * static_cast<std::size_t>(height))
        throw std::invalid_argument("picture pixel buffer does not match its size");
    data_ = std::make_shared<const Data>(Data{width, height, std::move(argb), std::move(sourcePath)});
}

const std::string& Picture::sourcePath() const {
    static const std::string none;
    return data_ ? data_->sourcePath : none;
}

}  // namespace lumenary
