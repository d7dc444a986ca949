// Start-up as a pupil sees it: from launching the program to its title screen mapped and
// painted on the X display, beside a plain Qt program that draws the same title screen and a
// bare Qt window of the same size, launched the same way. They take turns, in rotating order,
// so that whatever else the machine is doing falls on all alike. Each is killed once measured.
//
//   startup_bench RUNS LUMENARY PLAIN_TITLE BARE_WINDOW PROGRAM_FOLDER   (under an X server with a black root)
#include "Launch.h"
#include "Summary.h"

#include <cstdlib>
#include <iostream>

using namespace lumenary::bench;

namespace {

constexpr int titleWidth = 364;
constexpr int titleHeight = 438;

double startUp(WindowWatch& watch, const std::vector<std::string>& command) {
    const std::string& program = command.front();
    const auto start = Clock::now();
    const pid_t pid = launch(command);
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
    if (argc != 6) {
        std::cerr << "usage: startup_bench RUNS LUMENARY PLAIN_TITLE BARE_WINDOW PROGRAM_FOLDER\n";
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<std::vector<std::string>> commands = {{argv[2]}, {argv[3], argv[5]}, {argv[4]}};
    WindowWatch watch;
    // Once each first: the disk cache and the font cache warm, as on a machine in use.
    for (const auto& command : commands) startUp(watch, command);
    std::vector<std::vector<double>> times(commands.size());
    for (int run = 0; run < runs; ++run) {
        for (std::size_t turn = 0; turn < commands.size(); ++turn) {
            const std::size_t which = (turn + run) % commands.size();
            times[which].push_back(startUp(watch, commands[which]));
        }
        std::cerr << "start-up " << run + 1 << ": lumenary " << times[0].back() << " ms, plain title " << times[1].back()
                  << " ms, bare window " << times[2].back() << " ms\n";
    }
    const double program = median(times[0]), plain = median(times[1]), bare = median(times[2]);
    std::cout << SummaryRow{"start-up to the title screen painted", figure(program, "ms", 1),
                            figure(plain, "ms", 1) + " (plain title)", "<= 1.10 x plain title"}
              << SummaryRow{"start-up, lumenary / plain title", ratio(program / plain), "", "<= 1.10 x"}
              << SummaryRow{"start-up, lumenary / bare window (for information)", ratio(program / bare), figure(bare, "ms", 1), ""};
    return 0;
}
