#pragma once

#include "runtime/Picture.h"

#include <cstdint>
#include <span>
#include <string>

namespace lumenary {

// Decodes a checked picture file (JPEG, GIF's first frame, BMP) with stb_image, in the module
// itself: the runtime loads pictures synchronously, and the browser's own decoders are not.
// Throws RuntimeError naming the file when the decoder gives up.
Picture decodePictureWithStb(std::span<const std::uint8_t> bytes, const std::string& displayPath);

}  // namespace lumenary
