#pragma once

#include <fstream>
#include <string>

namespace moltherm::bench {

// The process's resident memory [kB] from /proc, or -1 where the kernel does not say.
inline long ResidentKilobytes() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

}  // namespace moltherm::bench
