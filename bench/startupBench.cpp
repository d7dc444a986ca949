// Start-up as a pupil sees it: from launching the program to its title screen mapped and
// painted on the X display, beside a bare Qt window of the same size launched the same way.
// The two take turns, in alternating order, so that whatever else the machine is doing falls
// on both alike. Each is killed once measured.
//
//   startup_bench RUNS LUMENARY BARE_WINDOW     (under an X server with a black root)
#include "Launch.h"
#include "Summary.h"

#include <cstdlib>
#include <iostream>

using namespace lumenary::bench;

namespace {

constexpr int titleWidth = 364;
constexpr int titleHeight = 438;

double startUp(WindowWatch& watch, const std::string& program) {
    const auto start = Clock::now();
    const pid_t pid = launch({program});
    const unsigned long window = watch.waitPainted(titleWidth, titleHeight, std::chrono::seconds(30));
    const double elapsed = millisecondsSince(start);
    stop(pid);
    if (!window) throw std::runtime_error(program + " showed no painted window of " + std::to_string(titleWidth) + " x " +
                                          std::to_string(titleHeight));
    watch.waitGone(window, std::chrono::seconds(5));
    return elapsed;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: startup_bench RUNS LUMENARY BARE_WINDOW\n";
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string program = argv[2];
    const std::string bare = argv[3];
    WindowWatch watch;
    // Once each first: the disk cache and the font cache warm, as on a machine in use.
    startUp(watch, program);
    startUp(watch, bare);
    std::vector<double> programTimes, bareTimes;
    for (int run = 0; run < runs; ++run) {
        if (run % 2 == 0) {
            programTimes.push_back(startUp(watch, program));
            bareTimes.push_back(startUp(watch, bare));
        } else {
            bareTimes.push_back(startUp(watch, bare));
            programTimes.push_back(startUp(watch, program));
        }
        std::cerr << "start-up " << run + 1 << ": lumenary " << programTimes.back() << " ms, bare window " << bareTimes.back()
                  << " ms\n";
    }
    const double programMedian = median(programTimes);
    const double bareMedian = median(bareTimes);
    std::cout << SummaryRow{"start-up to the title screen painted", figure(programMedian, "ms", 1),
                            figure(bareMedian, "ms", 1) + " (bare window)", "<= 1.10 x bare"}
              << SummaryRow{"start-up, lumenary / bare window", ratio(programMedian / bareMedian), "", "<= 1.10 x"};
    return 0;
}
