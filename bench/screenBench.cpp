// How long a pupil waits for each screen: its load (pictures read and decoded) and its first
// paint, at scale 1 and full screen, where the sharper picture variants are decoded too. Each
// iteration is a fresh program: nothing is loaded or decoded yet.
#include "InProcess.h"
#include "activities/labelling/phaseslab.h"
#include "activities/labelling/weatherlab.h"
#include "activities/questions/magnets.h"
#include "activities/questions/newtonmeter.h"
#include "framework/Titlefrm.h"
#include "menus/TopicMenus.h"
#include "menus/intro0.h"

namespace lumenary::bench {

namespace {

template <class Screen>
Form& show() {
    Screen& screen = form<Screen>();
    screen.Show();
    return screen;
}

const struct {
    const char* name;
    Form& (*open)();
} screens[] = {
    {"Titlefrm", show<Titlefrm>},     {"intro0", show<intro0>},           {"menu1", show<menu1>},
    {"menu2", show<menu2>},           {"menu3", show<menu3>},             {"menu4", show<menu4>},
    {"menu5", show<menu5>},           {"phaseslab", show<phaseslab>},     {"weatherlab", show<weatherlab>},
    {"newtonmeter", show<newtonmeter>}, {"magnets", show<magnets>},       {"magnets2", show<magnets2>},
};

void openScreen(benchmark::State& state, Form& (*open)(), Size size) {
    BenchPlatform platform;
    Canvas canvas(size);
    for (auto _ : state) {
        Runtime runtime(platform);
        PictureVariants variants(appFolder);
        timed(state, [&] { canvas.paint(open(), variants); });
    }
}

}  // namespace

void registerScreenBenchmarks() {
    for (const Size size : {Size::scale1, Size::fullScreen}) {
        for (const auto& screen : screens) {
            const std::string name = std::string("open ") + screen.name + ", " + sizeName(size);
            const bool title = screen.open == show<Titlefrm>;
            summarised(name, [open = screen.open, size](benchmark::State& state) { openScreen(state, open, size); },
                       windowFill(size, title), size == Size::scale1 ? "< 8 ms" : "< 16 ms")
                ->Iterations(1)
                ->Repetitions(31);
        }
    }
}

}  // namespace lumenary::bench
