// Idle: the processor time the program uses in 10 s with a screen open and no input, beside a
// bare Qt window left alone the same way, each under the X server once its window is up and settled.
//
//   idle_bench SECONDS LUMENARY BARE_WINDOW     (under an X server)
#include "Launch.h"
#include "Summary.h"

#include <cstdlib>
#include <iostream>
#include <thread>

using namespace lumenary::bench;

namespace {

double idleMilliseconds(WindowWatch& watch, const std::vector<std::string>& command, int width, int height, int seconds) {
    const pid_t pid = launch(command);
    const unsigned long window = watch.waitMapped(width, height, std::chrono::seconds(30));
    if (!window) {
        stop(pid);
        throw std::runtime_error(command[0] + " showed no window");
    }
    std::this_thread::sleep_for(std::chrono::seconds(2));  // painted, and start-up's last events handled
    const double before = processorMilliseconds(pid);
    std::this_thread::sleep_for(std::chrono::seconds(seconds));
    const double used = processorMilliseconds(pid) - before;
    std::cerr << "idle: " << command.back() << " used " << used << " ms in " << seconds << " s, after " << before
              << " ms starting\n";
    stop(pid);
    watch.waitGone(window, std::chrono::seconds(5));
    return used;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: idle_bench SECONDS LUMENARY BARE_WINDOW\n";
        return 2;
    }
    const int seconds = std::atoi(argv[1]);
    const std::string program = argv[2];
    const std::string bare = argv[3];
    WindowWatch watch;
    const double bareWindow = idleMilliseconds(watch, {bare}, 364, 438, seconds);
    const double title = idleMilliseconds(watch, {program}, 364, 438, seconds);
    const double moon = idleMilliseconds(watch, {program, "--activity", "phaseslab"}, 792, 566, seconds);
    const std::string in = " in " + std::to_string(seconds) + " s";
    const std::string baseline = figure(bareWindow, "ms", 3) + " (bare window)";
    std::cout << SummaryRow{"idle processor time" + in + ", title screen", figure(title, "ms", 3), baseline, "< 1 ms"}
              << SummaryRow{"idle processor time" + in + ", phaseslab", figure(moon, "ms", 3), baseline, "< 1 ms"};
    return 0;
}
