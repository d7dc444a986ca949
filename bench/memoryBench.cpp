// Peak memory: the program after visiting every screen (memory_tour, windowed and full screen)
// beside a bare Qt window once shown, each in a fresh process under the X server, taking turns.
//
//   memory_bench RUNS MEMORY_TOUR BARE_WINDOW     (under an X server)
#include "Launch.h"
#include "Summary.h"

#include <cstdlib>
#include <iostream>

using namespace lumenary::bench;

namespace {

double peakMiB(std::vector<std::string> command) {
    int output = -1;
    const pid_t pid = launch(command, &output);
    return std::stod(finish(pid, output)) / 1024;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::cerr << "usage: memory_bench RUNS MEMORY_TOUR BARE_WINDOW\n";
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::string tour = argv[2];
    const std::string bare = argv[3];
    std::vector<double> windowed, fullScreen, bareWindow;
    for (int run = 0; run < runs; ++run) {
        bareWindow.push_back(peakMiB({bare, "--peak-memory"}));
        windowed.push_back(peakMiB({tour}));
        fullScreen.push_back(peakMiB({tour, "--fullscreen"}));
        std::cerr << "peak memory " << run + 1 << ": every screen " << windowed.back() << " MiB, full screen "
                  << fullScreen.back() << " MiB, bare window " << bareWindow.back() << " MiB\n";
    }
    const double bareMedian = median(bareWindow);
    const std::string baseline = figure(bareMedian, "MiB", 1) + " (bare window)";
    std::cout << SummaryRow{"peak memory after every screen", figure(median(windowed), "MiB", 1), baseline, "<= 1.55 x bare"}
              << SummaryRow{"peak memory, lumenary / bare window", ratio(median(windowed) / bareMedian), "", "<= 1.55 x"}
              << SummaryRow{"peak memory after every screen, full screen", figure(median(fullScreen), "MiB", 1), baseline,
                            "<= 70 MiB"};
    return 0;
}
