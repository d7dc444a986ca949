#pragma once

#include "qt/pictures/PictureVariants.h"
#include "runtime/Twips.h"

#include <cstdint>
#include <map>
#include <vector>

namespace lumenary {

class Form;
class FormWindow;
class QtPlatform;
class Runtime;

// Keeps one top-level window for each shown form, matched to the model after every handled
// event: windows appear, move, retitle, stack and repaint as the forms say, and go when their
// form is hidden or unloaded. When the program has ended, or no form is shown any more, the
// application quits with the program's exit status.
//
// Full screen is a choice for the whole program: every window, those opened later too, then
// fills the display, its screen scaled uniformly to the largest size that fits, centred.
class FormWindows {
public:
    FormWindows(Runtime& runtime, QtPlatform& platform);
    ~FormWindows();

    Runtime& runtime() { return runtime_; }
    QtPlatform& platform() { return platform_; }
    PictureVariants& pictureVariants() { return variants_; }
    void sync();

    bool isFullScreen() const { return fullScreen_; }
    void setFullScreen(bool on);

private:
    void place(FormWindow& window, const Form& form);
    void placeFullScreen(FormWindow& window, const Form& form);

    Runtime& runtime_;
    QtPlatform& platform_;
    PictureVariants variants_;
    std::map<std::uint64_t, FormWindow*> windows_;
    std::vector<std::uint64_t> stacking_;
    bool fullScreen_ = false;
};

}  // namespace lumenary
