#include "Image.h"

namespace lumenary {

void Image::setPicture(lumenary::Picture picture) {
    picture_ = std::move(picture);
    if (!Stretch && !picture_.isEmpty()) {
        Width = static_cast<Twips>(picture_.width()) * twipsPerDesignPixel;
        Height = static_cast<Twips>(picture_.height()) * twipsPerDesignPixel;
    }
}

}  // namespace lumenary
