#pragma once

#include "qt/pictures/QtPictureDecoder.h"
#include "runtime/Platform.h"
#include "runtime/RuntimeError.h"

#include <deque>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

namespace lumenary::testing {

// A deterministic platform: a fixed desktop, scripted random draws, and a record of every
// pointer change, shell call and error report. Pictures are real files decoded by the real
// decoder, from the built program folder unless a test points elsewhere.
class TestPlatform : public Platform {
public:
    struct ShellCall { const Form* owner; std::string operation, target; };

    std::filesystem::path folder = LUMENARY_APP_DIR;
    TwipsSize desktop{15360, 11520};
    FrameMargins margins{60, 450, 60, 60};
    std::deque<float> draws;
    int reseeds = 0;
    std::vector<int> pointerChanges;
    std::vector<ShellCall> shellCalls;
    std::vector<std::string> errors;
    // The next this-many decodes fail as if the file were malformed.
    int failingDecodes = 0;

    std::filesystem::path programFolder() const override { return folder; }
    TwipsSize desktopSize() const override { return desktop; }
    FrameMargins frameMargins() const override { return margins; }
    void setMousePointer(int pointer) override { pointerChanges.push_back(pointer); }
    void randomize() override { ++reseeds; }
    float rnd() override {
        if (draws.empty()) throw std::logic_error("the test scripted no more random draws");
        const float next = draws.front();
        draws.pop_front();
        return next;
    }
    void shellExecute(const Form* owner, const std::string& operation, const std::string& target) override {
        shellCalls.push_back({owner, operation, target});
    }
    void reportError(const std::string& message) override { errors.push_back(message); }
    Picture applicationIcon() override { return Picture(16, 16, std::vector<std::uint32_t>(256, 0xff0000ffu), "icon"); }
    Picture decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, const std::string& displayPath) override {
        if (failingDecodes > 0 && failingDecodes--) throw RuntimeError("Cannot load picture \"" + displayPath + "\": scripted failure");
        return decodePictureWithQt(bytes, qtFormatName(format), displayPath);
    }
};

}  // namespace lumenary::testing
