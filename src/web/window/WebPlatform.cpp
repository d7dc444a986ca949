#include "web/window/WebPlatform.h"

#include "runtime/Runtime.h"
#include "web/pictures/StbPictureDecoder.h"

#include <emscripten.h>

#include <iostream>

namespace lumenary {

namespace {

EM_JS(int, js_viewportWidth, (), { return window.innerWidth; });
EM_JS(int, js_viewportHeight, (), { return window.innerHeight; });
EM_JS(void, js_setBusy, (int busy), { Lumenary.canvas.element.style.cursor = busy ? 'wait' : 'auto'; });
EM_JS(double, js_secondsOfDay, (), {
    const now = new Date();
    return (now.getHours() * 3600 + now.getMinutes() * 60 + now.getSeconds()) + now.getMilliseconds() / 1000;
});
EM_JS(void, js_open, (const char* target), { window.open(UTF8ToString(target), '_blank', 'noopener'); });
EM_JS(void, js_showError, (const char* message), { Lumenary.showError(UTF8ToString(message)); });

// The viewport is measured in CSS pixels, which a page lays out as a display's pixels.
Twips designTwips(int pixels) { return static_cast<Twips>(pixels) * twipsPerDesignPixel; }

}  // namespace

TwipsSize WebPlatform::desktopSize() const { return {designTwips(js_viewportWidth()), designTwips(js_viewportHeight())}; }

void WebPlatform::setMousePointer(int pointer) { js_setBusy(pointer == Screen::busyPointer); }

void WebPlatform::randomize() { random_.reseed(js_secondsOfDay()); }

// A bare host name ("www.corbelwick.example") is a web address, as the desktop's shell takes it,
// not a file beside the page.
void WebPlatform::shellExecute(const Form*, const std::string& operation, const std::string& target) {
    if (operation != "open") return;
    const bool hasScheme = target.find("://") != std::string::npos || target.rfind("mailto:", 0) == 0;
    js_open((hasScheme ? target : "http://" + target).c_str());
}

void WebPlatform::reportError(const std::string& message) {
    std::cerr << "Lumenary: " << message << std::endl;
    setMousePointer(Screen::defaultPointer);
    js_showError(message.c_str());
}

Picture WebPlatform::decodePicture(std::span<const std::uint8_t> bytes, PictureFormat, const std::string& displayPath) {
    return decodePictureWithStb(bytes, displayPath);
}

}  // namespace lumenary
