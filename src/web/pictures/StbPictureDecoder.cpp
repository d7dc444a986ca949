#include "web/pictures/StbPictureDecoder.h"

#include "runtime/RuntimeError.h"

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_JPEG
#define STBI_ONLY_GIF
#define STBI_ONLY_BMP
#define STBI_NO_STDIO
#include <stb/stb_image.h>

#include <memory>
#include <vector>

namespace lumenary {

Picture decodePictureWithStb(std::span<const std::uint8_t> bytes, const std::string& displayPath) {
    int width = 0, height = 0, channels = 0;
    const std::unique_ptr<stbi_uc, void (*)(void*)> rgba(
        stbi_load_from_memory(bytes.data(), static_cast<int>(bytes.size()), &width, &height, &channels, 4), stbi_image_free);
    if (!rgba)
        throw pictureError(displayPath, trFill(N_("it is malformed (%s)"), {stbi_failure_reason()}));
    std::vector<std::uint32_t> argb(static_cast<std::size_t>(width) * height);
    for (std::size_t i = 0; i < argb.size(); ++i) {
        const stbi_uc* p = rgba.get() + 4 * i;
        argb[i] = std::uint32_t(p[3]) << 24 | std::uint32_t(p[0]) << 16 | std::uint32_t(p[1]) << 8 | p[2];
    }
    return Picture(width, height, std::move(argb), displayPath);
}

}  // namespace lumenary
