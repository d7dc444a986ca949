#include "Image.h"

namespace lumenary {

void Image::setPicture(lumenary::Picture picture) {
    picture_ = std::move(picture);
    if (!Stretch && !picture_.isEmpty()) {
        const TwipsMapping mapping;
        Width = mapping.toTwips(picture_.width());
        Height = mapping.toTwips(picture_.height());
    }
}

}  // namespace lumenary
