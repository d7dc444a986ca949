#pragma once

#include "../Picture.h"
#include "Control.h"

namespace lumenary {

// A picture on the form. Unless stretched, the control takes the natural size of the
// picture given to it, so the picture is set through setPicture rather than a plain field.
class Image : public ControlOf<Image, ControlKind::Image> {
public:
    bool Stretch = false;

    const lumenary::Picture& picture() const { return picture_; }
    void setPicture(lumenary::Picture picture);
    AccessibleRole role() const override { return AccessibleRole::Graphic; }
    bool operator==(const Image&) const = default;

private:
    lumenary::Picture picture_;
};

}  // namespace lumenary
