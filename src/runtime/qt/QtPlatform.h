#pragma once

#include "runtime/Platform.h"
#include "runtime/SeededRandom.h"

namespace lumenary {

// The platform as the real program sees it: the primary screen, Qt's cursors and desktop
// services, a modal error dialog, Qt's picture decoders.
class QtPlatform : public Platform {
public:
    QtPlatform();

    std::filesystem::path programFolder() const override;
    TwipsSize desktopSize() const override;
    FrameMargins frameMargins() const override { return margins_; }
    void setMousePointer(int pointer) override;
    void randomize() override;
    float rnd() override { return random_.next(); }
    void shellExecute(const Form* owner, const std::string& operation, const std::string& target) override;
    void reportError(const std::string& message) override;
    Picture decodePicture(std::span<const std::uint8_t> bytes, const std::string& displayPath) override;

    // The window system's real frame, once a shown window has told us.
    void useFrameMargins(const FrameMargins& margins) { margins_ = margins; }
    // What a frame is taken to be when the window system draws none (no window manager).
    static FrameMargins nominalFrameMargins();

private:
    FrameMargins margins_;
    SeededRandom random_;
    bool busy_ = false;
};

}  // namespace lumenary
