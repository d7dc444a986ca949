#pragma once

#include "runtime/Platform.h"
#include "runtime/SeededRandom.h"

namespace lumenary {

// The platform as the program sees it in a browser: its folder in the module's in-memory file
// system, the page's viewport as the desktop, the page's pointer, a new tab for the shell's
// "open", the desktop's error message shown on the page, stb_image for pictures.
class WebPlatform : public Platform {
public:
    std::filesystem::path programFolder() const override { return "/lumenary"; }
    TwipsSize desktopSize() const override;
    // The desktop's nominal frame, so that every screen has the same client area as there.
    FrameMargins frameMargins() const override { return nominalFrameMargins; }
    void setMousePointer(int pointer) override;
    void randomize() override;
    float rnd() override { return random_.next(); }
    void shellExecute(const Form* owner, const std::string& operation, const std::string& target) override;
    // The page's own icon stands for the program; a screen's title bar has none to show.
    Picture applicationIcon() override { return {}; }
    void reportError(const std::string& message) override;
    Picture decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, const std::string& displayPath) override;

private:
    SeededRandom random_;
};

}  // namespace lumenary
