// Lumenary in the browser: the page's script loads the program's fonts, then starts the program
// on its title screen, or in the activity the page's address names. From then on the page hands
// each pointer, key and resize to the functions below, one event at a time.
#include "activities/Activities.h"
#include "menus/StartUp.h"
#include "runtime/Form.h"
#include "runtime/Runtime.h"
#include "runtime/language/Translation.h"
#include "web/painting/WebFonts.h"
#include "web/window/PageWindow.h"
#include "web/window/WebPlatform.h"

#include <emscripten.h>

#include <map>
#include <string>

namespace {

struct Program {
    lumenary::WebPlatform platform;
    lumenary::Runtime runtime{platform};
    lumenary::PageWindow page{runtime, platform};
};

Program& program() {
    static Program made;
    return made;
}

EM_JS(void, js_noticeUnknownActivity, (const char* accepted), { Lumenary.showNotice(UTF8ToString(accepted)); });

// The page's own texts, in the language the program speaks: its lang attribute, the ended page
// and the mirror's word for a name label.
EM_JS(void, js_useLanguage, (const char* code, const char* ended, const char* again, const char* startAgain, const char* nameLabel), {
  Lumenary.useLanguage(UTF8ToString(code), {ended: UTF8ToString(ended), again: UTF8ToString(again),
                                            startAgain: UTF8ToString(startAgain), nameLabel: UTF8ToString(nameLabel)});
});

void speak(const std::string& languages) {
    lumenary::useLanguage(lumenary::firstKnownLanguage(languages));
    using lumenary::tr;
    js_useLanguage(std::string(lumenary::languageInForce()).c_str(), tr(N_("Lumenary has ended")).c_str(),
                   tr(N_("Start it again to carry on.")).c_str(), tr(N_("Start again")).c_str(), tr(N_("name label")).c_str());
}

EM_JS(double, js_now, (), { return performance.now(); });

lumenary::PointerKind pointerKind(int kind) {
    return kind == 1 ? lumenary::PointerKind::Touch : kind == 2 ? lumenary::PointerKind::Pen : lumenary::PointerKind::Mouse;
}

void pointer(lumenary::PointerEvent::Type type, int kind, int id, double x, double y, int button, int buttons, int shift) {
    program().page.pointer(type, pointerKind(kind), id, x, y, button, buttons, shift, js_now());
}

}  // namespace

extern "C" {

// `languages` lists the codes the page was asked for (?lang=, else the browser's), the first that
// the program speaks winning.
EMSCRIPTEN_KEEPALIVE void lumenary_start(const char* activity, const char* languages, int width, int height) {
    speak(languages);
    Program& p = program();
    const std::string wanted = activity;
    const lumenary::Activity* start = lumenary::findActivity(wanted);
    if (!wanted.empty() && !start) {
        std::string accepted;
        for (const lumenary::Activity& known : lumenary::activities()) accepted += (accepted.empty() ? "" : ", ") + std::string(known.name);
        js_noticeUnknownActivity(lumenary::trFill(N_("There is no activity \"%s\"; the activities are %s."), {wanted, accepted}).c_str());
    }
    p.runtime.dispatch([&] { start ? lumenary::startInActivity(*start) : lumenary::startOnTitleScreen(); });
    p.page.resize(width, height);
}

EMSCRIPTEN_KEEPALIVE void lumenary_resize(int width, int height) { program().page.resize(width, height); }
EMSCRIPTEN_KEEPALIVE void lumenary_repaint() { program().page.repaintAll(); }

using Type = lumenary::PointerEvent::Type;
EMSCRIPTEN_KEEPALIVE void lumenary_pointer_down(int kind, int id, double x, double y, int button, int buttons, int shift) {
    pointer(Type::Down, kind, id, x, y, button, buttons, shift);
}
EMSCRIPTEN_KEEPALIVE void lumenary_pointer_move(int kind, int id, double x, double y, int buttons, int shift) {
    pointer(Type::Move, kind, id, x, y, 0, buttons, shift);
}
EMSCRIPTEN_KEEPALIVE void lumenary_pointer_up(int kind, int id, double x, double y, int button, int buttons, int shift) {
    pointer(Type::Up, kind, id, x, y, button, buttons, shift);
}
EMSCRIPTEN_KEEPALIVE void lumenary_pointer_cancel(int kind, int id) { pointer(Type::Cancel, kind, id, 0, 0, 0, 0, 0); }
EMSCRIPTEN_KEEPALIVE void lumenary_press(int index) { program().page.press(index); }

// The keys as the page names them (KeyboardEvent.key, with Shift for Shift+Tab); false when the
// form had no use for the key, so the page may use it (Escape leaves full screen).
EMSCRIPTEN_KEEPALIVE int lumenary_key(const char* name, int shift) {
    using lumenary::Key;
    static const std::map<std::string, Key> keys = {
        {"Tab", Key::Tab},          {"Enter", Key::Enter}, {" ", Key::Space},         {"ArrowLeft", Key::Left},
        {"ArrowRight", Key::Right}, {"ArrowUp", Key::Up},  {"ArrowDown", Key::Down}, {"Escape", Key::Escape},
    };
    const auto found = keys.find(name);
    if (found == keys.end()) return 0;
    const Key pressed = found->second == Key::Tab && shift ? Key::BackTab : found->second;
    return program().page.keyPress(pressed) ? 1 : 0;
}

}  // extern "C"

int main() {
    lumenary::registerProgramFonts(program().platform.programFolder());
    return 0;
}
