#include "web/painting/Canvas.h"

#include "web/painting/WebFonts.h"
#include "web/pictures/PagePictures.h"

#include <emscripten.h>

namespace lumenary {

namespace {

EM_JS(void, js_resize, (int width, int height), { Lumenary.canvas.resize(width, height); });
EM_JS(void, js_save, (), { Lumenary.canvas.context.save(); });
EM_JS(void, js_restore, (), { Lumenary.canvas.context.restore(); });
EM_JS(void, js_clip, (int x, int y, int w, int h), {
    const context = Lumenary.canvas.context;
    context.beginPath();
    context.rect(x, y, w, h);
    context.clip();
});
EM_JS(void, js_fill, (int x, int y, int w, int h, int r, int g, int b), {
    const context = Lumenary.canvas.context;
    context.fillStyle = `rgb(${r},${g},${b})`;
    context.fillRect(x, y, w, h);
});
EM_JS(void, js_dotted, (int x, int y, int w, int h, int t, int r, int g, int b), {
    Lumenary.canvas.dottedOutline(x, y, w, h, t, `rgb(${r},${g},${b})`);
});
EM_JS(void, js_text, (const char* font, int r, int g, int b, int left, int top, double width, double height, double scale,
                      int align, int middle, int nudge, const char* text), {
    Lumenary.canvas.text(UTF8ToString(font), `rgb(${r},${g},${b})`, left, top, width, height, scale,
                         ['left', 'right', 'center'][align], middle != 0, nudge != 0, UTF8ToString(text));
});
EM_JS(void, js_picture, (int id, int x, int y, int w, int h), { Lumenary.pictures.draw(id, x, y, w, h); });

}  // namespace

void Canvas::resize(int width, int height) { js_resize(width, height); }
void Canvas::save() { js_save(); }
void Canvas::restore() { js_restore(); }
void Canvas::clip(const PixelRect& r) { js_clip(r.x, r.y, r.width, r.height); }
void Canvas::fill(const PixelRect& r, const Color& c) {
    if (!r.isEmpty()) js_fill(r.x, r.y, r.width, r.height, c.r, c.g, c.b);
}
void Canvas::dottedOutline(const PixelRect& r, int thickness, const Color& c) {
    js_dotted(r.x, r.y, r.width, r.height, thickness, c.r, c.g, c.b);
}
void Canvas::text(const Font& font, const Color& c, const PixelRect& box, double scale, TextAlign align, bool middle, bool nudge,
                  const std::string& shown) {
    js_text(cssFont(font).c_str(), c.r, c.g, c.b, box.x, box.y, box.width / scale, box.height / scale, scale,
            static_cast<int>(align), middle, nudge, shown.c_str());
}
void Canvas::picture(const Picture& picture, const PixelRect& r) {
    if (!r.isEmpty()) js_picture(pictures_.idOf(picture), r.x, r.y, r.width, r.height);
}

}  // namespace lumenary
