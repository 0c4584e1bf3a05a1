#pragma once

// What the start-up probes read of their own process: the wall clock, to
// compare with the launcher's, and the peak resident memory.

#include <chrono>
#include <fstream>
#include <string>

inline long long NowNanoseconds() {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

// VmHWM of /proc/self/status; -1 where there is none.
inline long PeakKibibytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line))
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    return -1;
}
