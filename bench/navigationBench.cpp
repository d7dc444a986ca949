// How long a pupil waits after each click that leads to another screen: from the press and
// release on the control to the screen in front painted, at scale 1 and full screen. Each
// iteration starts a fresh program on its title screen and clicks its way to the screen the
// click is made on, painting every shown screen after each click as the windows would, so the
// sharper pictures already seen are decoded and kept; only the last click is timed.
#include "InProcess.h"
#include "Route.h"
#include "menus/StartUp.h"

#include <vector>

namespace lumenary::bench {

namespace {

using route::Target;

struct Navigation {
    std::string name;
    std::vector<Target> clicks;  // from the title screen; the last one is timed
    std::string arrivesAt;       // the screen then in front
};

std::string menuName(int entry) { return "menu" + std::to_string(entry + 1); }

std::vector<Target> then(std::vector<Target> clicks, Target next) {
    clicks.push_back(std::move(next));
    return clicks;
}

std::vector<Navigation> navigations() {
    using namespace route;
    std::vector<Navigation> all;
    all.push_back({"Titlefrm OK -> intro0", {titleOk}, "intro0"});
    all.push_back({"intro0 Exit -> Titlefrm", {titleOk, mainMenuExit}, "Titlefrm"});
    for (int menu = 0; menu < MenuFrame::menuEntries; ++menu)
        all.push_back({"intro0 Menu " + std::to_string(menu + 1) + " -> " + menuName(menu), {titleOk, mainMenuEntry(menu)},
                       menuName(menu)});
    for (int menu = 0; menu < MenuFrame::menuEntries; ++menu) {
        const int next = (menu + 1) % MenuFrame::menuEntries;
        all.push_back({menuName(menu) + " Menu " + std::to_string(next + 1) + " -> " + menuName(next),
                       {titleOk, mainMenuEntry(menu), topicMenuEntry(menu, next)}, menuName(next)});
    }
    for (int menu = 0; menu < MenuFrame::menuEntries; ++menu)
        all.push_back({menuName(menu) + " Exit -> intro0", {titleOk, mainMenuEntry(menu), topicMenuExit(menu)}, "intro0"});
    for (const ActivityEntry& activity : activityEntries) {
        const std::vector<Target> toActivity = {titleOk, mainMenuEntry(activity.menu), activityEntry(activity.menu, activity.entry)};
        all.push_back({menuName(activity.menu) + " entry " + std::to_string(activity.entry) + " -> " + activity.opens, toActivity,
                       activity.opens});
        all.push_back({std::string(activity.opens) + " Exit -> " + menuName(activity.menu), then(toActivity, activity.exit),
                       menuName(activity.menu)});
    }
    const std::vector<Target> toMagnets2 = {titleOk, mainMenuEntry(2), activityEntry(2, 1), toSection2};
    all.push_back({"magnets Section 2 -> magnets2", toMagnets2, "magnets2"});
    all.push_back({"magnets2 Section 1 -> magnets", then(toMagnets2, toSection1), "magnets"});
    all.push_back({"magnets2 Exit -> menu3", then(toMagnets2, activityExit("magnets2")), "menu3"});
    return all;
}

void paintShown(Runtime& runtime, Canvas& canvas, PictureVariants& variants) {
    for (const Form* shown : runtime.visibleForms()) canvas.paint(*shown, variants);
}

void navigate(benchmark::State& state, const Navigation& navigation, Size size) {
    BenchPlatform platform;
    Canvas canvas(size);
    for (auto _ : state) {
        Runtime runtime(platform);
        PictureVariants variants(appFolder);
        runtime.dispatch(startOnTitleScreen);
        paintShown(runtime, canvas, variants);
        for (std::size_t i = 0; i + 1 < navigation.clicks.size(); ++i) {
            route::click(runtime, navigation.clicks[i]());
            paintShown(runtime, canvas, variants);
        }
        Control& last = navigation.clicks.back()();
        timed(state, [&] {
            route::click(runtime, last);
            canvas.paint(*runtime.visibleForms().back(), variants);
        });
        if (runtime.visibleForms().back()->name() != navigation.arrivesAt) {
            state.SkipWithError(("arrived at " + runtime.visibleForms().back()->name()).c_str());
            break;
        }
    }
}

}  // namespace

void registerNavigationBenchmarks() {
    for (const Size size : {Size::scale1, Size::fullScreen}) {
        for (const Navigation& navigation : navigations()) {
            summarised("click " + navigation.name + ", " + sizeName(size),
                       [navigation, size](benchmark::State& state) { navigate(state, navigation, size); },
                       windowFill(size, navigation.arrivesAt == "Titlefrm"), "< 16 ms")
                ->Iterations(1)
                ->Repetitions(21);
        }
    }
}

}  // namespace lumenary::bench
