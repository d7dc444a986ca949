// The program's peak memory after a pupil has visited every screen once: the real windows on
// the X display, opened one after another by clicks on the program's own controls delivered
// through the model (as its windows deliver them), each screen given time to be painted before
// the next click. Prints the peak resident memory (VmHWM) in KiB; --fullscreen tours full screen.
#include "PeakMemory.h"
#include "Route.h"
#include "menus/StartUp.h"
#include "qt/window/FormWindows.h"
#include "qt/painting/QtFonts.h"
#include "qt/window/QtPlatform.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTimer>

#include <iostream>
#include <set>
#include <vector>

namespace {

using namespace lumenary;

// The program's platform, finding its pictures in the built program folder rather than beside
// this executable.
class TourPlatform : public QtPlatform {
public:
    std::filesystem::path programFolder() const override { return LUMENARY_APP_DIR; }
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    TourPlatform platform;
    registerProgramFonts(platform.programFolder());
    Runtime runtime(platform);
    FormWindows windows(runtime, platform);
    windows.setFullScreen(app.arguments().contains(QStringLiteral("--fullscreen")));

    runtime.dispatch(startOnTitleScreen);
    windows.sync();
    using namespace route;
    // clang-format off
    const std::vector<Target> visit = {
        titleOk,
        mainMenuEntry(0), activityEntry(0, 4), activityExit("newtonmeter"),
        topicMenuEntry(0, 1), activityEntry(1, 2), activityExit("phaseslab"), activityEntry(1, 3), activityExit("weatherlab"),
        topicMenuEntry(1, 2), activityEntry(2, 1), toSection2, activityExit("magnets2"),
        topicMenuEntry(2, 3), topicMenuEntry(3, 4), topicMenuExit(4),
    };
    // clang-format on

    // One click every 150 ms, from the event loop as a window's input arrives, so that each
    // screen is mapped and painted before the next and closed windows are deleted as in use.
    std::set<std::string> seen = {"Titlefrm"};
    std::size_t next = 0;
    int status = 1;
    QTimer clicks;
    QObject::connect(&clicks, &QTimer::timeout, [&] {
        if (runtime.hasEnded()) {
            QCoreApplication::exit(1);
        } else if (next < visit.size()) {
            click(runtime, visit[next++](), [&] { windows.sync(); });
            if (!runtime.visibleForms().empty()) seen.insert(runtime.visibleForms().back()->name());
        } else {
            status = 0;
            QCoreApplication::exit(0);
        }
    });
    clicks.start(150);
    QApplication::exec();
    if (status != 0 || seen.size() != 12) {
        std::cerr << "memory_tour: saw " << seen.size() << " of the 12 screens\n";
        return 1;
    }
    std::cout << bench::peakResidentKiB() << std::endl;
    return 0;
}
