#include "TestPlatform.h"

#include "runtime/RuntimeError.h"
#include "qt/pictures/QtPictureDecoder.h"

#include <stdexcept>

namespace lumenary::testing {

float TestPlatform::rnd() {
    if (draws.empty()) throw std::logic_error("the test scripted no more random draws");
    const float next = draws.front();
    draws.pop_front();
    return next;
}

Picture TestPlatform::decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, const std::string& displayPath) {
    if (failingDecodes > 0) {
        --failingDecodes;
        throw RuntimeError("Cannot load picture \"" + displayPath + "\": scripted failure");
    }
    return decodePictureWithQt(bytes, qtFormatName(format), displayPath);
}

}  // namespace lumenary::testing
