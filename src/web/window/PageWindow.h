#pragma once

#include "runtime/FormChanges.h"
#include "runtime/PointerRules.h"
#include "runtime/Twips.h"
#include "web/accessibility/PageMirror.h"
#include "web/pictures/PagePictures.h"

#include <cstdint>
#include <string>

namespace lumenary {

class Form;
class Runtime;
class WebPlatform;
enum class Key;

// The page's one canvas, showing the top shown form as the desktop shows a window full screen:
// scaled uniformly to the page, centred, black around it. It turns the page's pointer and
// keyboard input into that form's input, in twips, repaints what each event changed, and
// keeps the document's title on the form's caption. When the program ends, the page says so.
class PageWindow {
public:
    PageWindow(Runtime& runtime, WebPlatform& platform);

    // Matches the page to the model after an event: which form is on top, its mapping, what to repaint.
    void sync();
    // The page's size in device pixels changed (a resize, a rotation, full screen, a zoom).
    void resize(int width, int height);
    // Everything again: a sharper copy of a picture has arrived.
    void repaintAll();

    // Pointer input at device pixels of the canvas, at the page's time in milliseconds.
    void pointer(PointerEvent::Type type, PointerKind kind, int pointerId, double x, double y, int button, int buttons, int shift,
                 double milliseconds);
    // True when the form had a use for the key.
    bool keyPress(Key key);
    // What a click on the control the page's mirror shows at `index` does, as assistive
    // technology presses it.
    void press(int index);

private:
    template <class Input>
    void deliver(Input&& input);
    Form* top() const;

    Runtime& runtime_;
    PagePictures pictures_;
    PageMirror mirror_;
    TwipsMapping mapping_;
    FormChanges changes_;
    std::uint64_t shownSerial_ = 0;  // the form painted whole last, 0 to paint it whole again
    std::uint64_t mirroredSerial_ = 0;
    std::string title_;  // the document's title, as last set
    int width_ = 0, height_ = 0;
    // What the desktop's double-click takes: within half a second.
    PointerRules pointerRules_{500};
    bool ended_ = false;
};

}  // namespace lumenary
