#include "Launch.h"

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace lumenary::bench {

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::ranges::sort(values);
    const std::size_t middle = values.size() / 2;
    return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

pid_t launch(const std::vector<std::string>& command, int* output) {
    std::vector<char*> argv;
    for (const std::string& part : command) argv.push_back(const_cast<char*>(part.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    int pipeEnds[2] = {-1, -1};
    if (output) {
        if (pipe2(pipeEnds, O_CLOEXEC) != 0) throw std::runtime_error("no pipe");
        posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    }
    pid_t pid = 0;
    const int failed = posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (output) {
        close(pipeEnds[1]);
        *output = pipeEnds[0];
    }
    if (failed) throw std::runtime_error("cannot start " + command[0]);
    return pid;
}

void stop(pid_t pid) {
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

std::string finish(pid_t pid, int output) {
    std::string text;
    char buffer[4096];
    for (ssize_t n; (n = read(output, buffer, sizeof buffer)) > 0;) text.append(buffer, static_cast<std::size_t>(n));
    close(output);
    int status = 0;
    waitpid(pid, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) throw std::runtime_error("a measured program failed");
    return text;
}

double processorMilliseconds(pid_t pid) {
    double nanoseconds = 0;
    for (const auto& task : std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task")) {
        std::ifstream schedstat(task.path() / "schedstat");
        double onCpu = 0;
        if (schedstat >> onCpu) nanoseconds += onCpu;
    }
    return nanoseconds / 1e6;
}

namespace {
// A window that goes between a check and a read is no error here.
int ignoreErrors(Display*, XErrorEvent*) { return 0; }
}  // namespace

WindowWatch::WindowWatch() : display_(XOpenDisplay(nullptr)) {
    if (!display_) throw std::runtime_error("cannot open the X display");
    XSetErrorHandler(ignoreErrors);
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, True);
}

WindowWatch::~WindowWatch() { XCloseDisplay(display_); }

bool WindowWatch::nextEvent(XEvent& event, Clock::time_point deadline) {
    while (!XPending(display_)) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd connection{ConnectionNumber(display_), POLLIN, 0};
        poll(&connection, 1, static_cast<int>(left));
    }
    XNextEvent(display_, &event);
    return true;
}

unsigned long WindowWatch::waitMapped(int width, int height, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    XEvent event;
    while (nextEvent(event, deadline)) {
        if (event.type != MapNotify || event.xmap.override_redirect) continue;
        XWindowAttributes attributes;
        if (XGetWindowAttributes(display_, event.xmap.window, &attributes) && attributes.width == width &&
            attributes.height == height)
            return event.xmap.window;
    }
    return 0;
}

unsigned long WindowWatch::waitPainted(int width, int height, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    const Window window = waitMapped(width, height, timeout);
    if (!window) return 0;
    // Polled every half millisecond: often enough to resolve a start-up of a hundred, seldom
    // enough to leave the processor to the program and the X server.
    while (Clock::now() < deadline) {
        if (XImage* image = XGetImage(display_, window, width / 2, height / 2, 1, 1, AllPlanes, ZPixmap)) {
            const unsigned long pixel = XGetPixel(image, 0, 0);
            XDestroyImage(image);
            if (pixel != BlackPixel(display_, DefaultScreen(display_))) return window;
        }
        std::this_thread::sleep_for(std::chrono::microseconds(500));
    }
    return 0;
}

void WindowWatch::waitGone(unsigned long window, std::chrono::milliseconds timeout) {
    const auto deadline = Clock::now() + timeout;
    XEvent event;
    while (nextEvent(event, deadline))
        if (event.type == DestroyNotify && event.xdestroywindow.window == window) return;
}

}  // namespace lumenary::bench
