#pragma once

#include <fstream>
#include <string>

namespace lumenary::bench {

// The peak resident memory of this process so far (VmHWM), in KiB.
inline long peakResidentKiB() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.starts_with("VmHWM:")) return std::stol(line.substr(6));
    return -1;
}

}  // namespace lumenary::bench
