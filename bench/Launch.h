#pragma once

// What the benchmarks that watch the program from outside share: starting and stopping a
// program, the processor time it has used, and its windows as they appear on the X display.
#include <sys/types.h>

#include <chrono>
#include <string>
#include <vector>

struct _XDisplay;  // Xlib's Display
union _XEvent;     // Xlib's XEvent

namespace lumenary::bench {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);
double median(std::vector<double> values);

// Starts `command` (program and arguments); with `output`, its standard output is a pipe whose
// reading end is stored there.
pid_t launch(const std::vector<std::string>& command, int* output = nullptr);
// Kills the program and reaps it.
void stop(pid_t pid);
// Reads what the program writes to `output` until it ends, and reaps it.
std::string finish(pid_t pid, int output);
// Processor time the process has used so far, all its threads, in milliseconds. The scheduler's
// own count (schedstat) is read: it is exact to the nanosecond, where /proc/<pid>/stat counts
// whole clock ticks of 10 ms, too coarse for the fraction of a millisecond an idle window uses.
double processorMilliseconds(pid_t pid);

// A connection to the X server of $DISPLAY that watches top-level windows being mapped. The
// server must have a plain black root (Xvfb -br), so that an unpainted window shows black.
class WindowWatch {
public:
    WindowWatch();
    ~WindowWatch();
    WindowWatch(const WindowWatch&) = delete;
    WindowWatch& operator=(const WindowWatch&) = delete;

    // Waits for a top-level window of that size to be mapped. Returns it, or 0 after the timeout.
    unsigned long waitMapped(int width, int height, std::chrono::milliseconds timeout);
    // Waits for a top-level window of that size to be mapped, and then for the pixel in its
    // middle to be painted (no longer the black root showing through). Returns the window, or 0
    // when that has not happened within the timeout.
    unsigned long waitPainted(int width, int height, std::chrono::milliseconds timeout);
    // Waits until the window has been destroyed (its program ended), so the next one starts on a
    // bare screen.
    void waitGone(unsigned long window, std::chrono::milliseconds timeout);

private:
    bool nextEvent(_XEvent& event, Clock::time_point deadline);

    _XDisplay* display_;
};

}  // namespace lumenary::bench
