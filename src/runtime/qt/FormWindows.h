#pragma once

#include "runtime/Twips.h"

#include <QObject>

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
class FormWindows {
public:
    FormWindows(Runtime& runtime, QtPlatform& platform);
    ~FormWindows();

    Runtime& runtime() { return runtime_; }
    void sync();

private:
    void place(FormWindow& window, const Form& form);

    Runtime& runtime_;
    QtPlatform& platform_;
    TwipsMapping mapping_;
    std::map<std::uint64_t, FormWindow*> windows_;
    std::vector<std::uint64_t> stacking_;
};

}  // namespace lumenary
