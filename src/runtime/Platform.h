#pragma once

#include "Picture.h"
#include "PictureFile.h"
#include "Twips.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>

namespace lumenary {

class Form;

// Everything the program asks of the machine, behind one small interface: the program uses
// the Qt implementation, tests a deterministic one.
class Platform {
public:
    virtual ~Platform() = default;

    // The folder the program's pictures are resolved against (where the executable is).
    virtual std::filesystem::path programFolder() const = 0;
    virtual TwipsSize desktopSize() const = 0;
    // Thickness of a window's frame, so that a form's outer size can be turned into its client area.
    virtual FrameMargins frameMargins() const = 0;
    // 0 = the default pointer, 11 = busy.
    virtual void setMousePointer(int pointer) = 0;

    // Uniform in [0, 1); randomize() reseeds from the time of day.
    virtual void randomize() = 0;
    virtual float rnd() = 0;

    // Asks the desktop shell to carry out `operation` ("open") on `target`. The result is not examined.
    virtual void shellExecute(const Form* owner, const std::string& operation, const std::string& target) = 0;

    // The program's own icon, which the title screen shows in its title bar.
    virtual Picture applicationIcon() = 0;

    // Reports an error that no screen handled: the user is told, and it is written to stderr.
    virtual void reportError(const std::string& message) = 0;

    // Decodes a picture file's bytes, already checked to be a picture of that format and of
    // sensible size. Throws RuntimeError naming `displayPath` when the bytes cannot be decoded.
    virtual Picture decodePicture(std::span<const std::uint8_t> bytes, PictureFormat format, const std::string& displayPath) = 0;
};

}  // namespace lumenary
