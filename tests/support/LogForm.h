#pragma once

#include "runtime/Form.h"

#include <string>
#include <utility>

namespace lumenary::testing {

// A form that logs every event its controls and its bare background receive, e.g.
// "Down label b1 100,200; Click label; " (button bits, shift bits when any, relative twips).
class LogForm : public Form {
public:
    LogForm() : Form("LogForm") {}

    template <class C>
    C& place(const std::string& name, Twips left, Twips top, Twips width, Twips height, Frame* frame = nullptr) {
        C& made = add<C>(name, -1, frame);
        made.Left = left, made.Top = top, made.Width = width, made.Height = height;
        listen(made.events(), name);
        return made;
    }
    void listen(const std::shared_ptr<ControlEvents>& events, const std::string& name) {
        const auto note = [this, name](const char* what) {
            return [this, name, what](int, int button, int shift, Twips x, Twips y) { write(what, name, button, shift, x, y); };
        };
        events->MouseDown = note("Down"), events->MouseMove = note("Move"), events->MouseUp = note("Up");
        events->Click = [this, name](int) { log += "Click " + name + "; "; };
    }
    void Form_MouseMove(int button, int shift, Twips x, Twips y) override { write("Move", "form", button, shift, x, y); }
    std::string take() { return std::exchange(log, {}); }

    std::string log;

private:
    void write(const char* what, const std::string& name, int button, int shift, Twips x, Twips y) {
        log += std::string(what) + " " + name + " b" + std::to_string(button) + (shift ? " s" + std::to_string(shift) : "") + " " +
               std::to_string(int(x)) + "," + std::to_string(int(y)) + "; ";
    }
};

}  // namespace lumenary::testing
