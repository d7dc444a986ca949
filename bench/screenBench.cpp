// How long a pupil waits for each screen: its load (pictures read and decoded) and its first
// paint, at scale 1 and full screen, where the sharper picture variants are decoded too. Each
// iteration is a fresh program: nothing is loaded or decoded yet.
#include "InProcess.h"
#include "activities/Activities.h"
#include "menus/Titlefrm.h"
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

template <int Entry>
Form& showTopicMenu() {
    Form& menu = topicMenu(Entry);
    menu.Show();
    return menu;
}

template <const char* Name>
Form& showActivityScreen() {
    Form& screen = *activityScreen(Name);
    screen.Show();
    return screen;
}

constexpr char phaseslab[] = "phaseslab", weatherlab[] = "weatherlab", newtonmeter[] = "newtonmeter", magnets[] = "magnets",
               magnets2[] = "magnets2";

const struct {
    const char* name;
    Form& (*open)();
} screens[] = {
    {"Titlefrm", show<Titlefrm>},      {"intro0", show<intro0>},           {"menu1", showTopicMenu<0>},
    {"menu2", showTopicMenu<1>},       {"menu3", showTopicMenu<2>},        {"menu4", showTopicMenu<3>},
    {"menu5", showTopicMenu<4>},       {"phaseslab", showActivityScreen<phaseslab>},
    {"weatherlab", showActivityScreen<weatherlab>}, {"newtonmeter", showActivityScreen<newtonmeter>},
    {"magnets", showActivityScreen<magnets>},       {"magnets2", showActivityScreen<magnets2>},
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
