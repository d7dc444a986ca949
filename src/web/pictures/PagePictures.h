#pragma once

#include "runtime/Picture.h"

#include <cstdint>
#include <filesystem>
#include <map>

namespace lumenary {

// The page's copies of the pictures the screens show, each made once from the decoded pixels
// and kept while its picture lives. Like the desktop's PictureVariants, a picture painted larger
// than itself is painted from the sharper copy the build draws beside it ("phases3@2x.jpg"),
// the smallest at least the painted size, or the largest: the page reads that copy from the
// site's folder with the browser's own decoder, when first needed, and paints from the picture
// itself until it has arrived (then the page repaints).
class PagePictures {
public:
    explicit PagePictures(std::filesystem::path programFolder) : folder_(std::move(programFolder)) {}

    // The page's id for the picture, handing its pixels over the first time.
    int idOf(const Picture& picture);

private:
    struct Held {
        Picture::Weak picture;
        int id;
    };

    // The picture's file relative to the program's folder as the file system spells it, for
    // finding its sharper copies beside it in the site; empty when it has no file.
    std::string sitePathOf(const Picture& picture) const;

    std::filesystem::path folder_;
    std::map<const std::uint32_t*, Held> held_;
    int nextId_ = 1;
};

}  // namespace lumenary
