#pragma once

#include "runtime/Platform.h"
#include "runtime/SeededRandom.h"

class QAccessibleEvent;

namespace lumenary {

// The platform as the real program sees it: the primary screen, Qt's cursors and desktop
// services, a modal error dialog, Qt's picture decoders.
class QtPlatform : public Platform {
public:

    std::filesystem::path programFolder() const override;
    TwipsSize desktopSize() const override;
    // Window managers report their real frame only after a window is shown, and using it then
    // would make every screen jump; the nominal frame keeps the client area where the screens'
    // sizes put it.
    FrameMargins frameMargins() const override { return nominalFrameMargins; }
    void setMousePointer(int pointer) override;
    void randomize() override;
    float rnd() override { return random_.next(); }
    void shellExecute(const Form* owner, const std::string& operation, const std::string& target) override;
    void reportError(const std::string& message) override;
    Picture applicationIcon() override;
    Picture decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, const std::string& displayPath) override;

    // Assistive technology: whether any is listening, and telling it what changed.
    virtual bool isAssistiveTechnologyActive() const;
    virtual void tellAssistiveTechnology(QAccessibleEvent& event);

private:
    SeededRandom random_;
    bool busy_ = false;
};

}  // namespace lumenary
