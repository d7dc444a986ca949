#pragma once

#include <QStringList>

#include <optional>
#include <string>

namespace lumenary {

struct Activity;

// What the command line asks for: full screen, and an activity to start in.
struct StartOptions {
    bool fullScreen = false;
    const Activity* activity = nullptr;
};

// Reads the command line in the desktop's conventions, choosing the language first (--language,
// else the environment's), so that everything after speaks it. --help and --version print and give
// status 0; a mistake prints what is accepted and gives status 2. Either way the program then
// ends at once, with no window; otherwise the options to start with.
struct CommandLine {
    std::optional<StartOptions> options;
    int exitStatus = 0;
    // What the program says as it ends: on standard output with status 0, else standard error.
    std::string said;
    // A line for standard error before anything else: a language asked for that there is not.
    std::string warning;
};
CommandLine readCommandLine(const QStringList& arguments);

}  // namespace lumenary
