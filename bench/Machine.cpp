#include "Machine.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sys/utsname.h>
#include <thread>

namespace {

// The value of the first "key: value" line of a /proc file that starts
// with key; empty when there is none.
std::string procValue(const std::string& file, const std::string& key) {
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        if (line.compare(0, key.size(), key) != 0)
            continue;
        std::string::size_type value = line.find_first_not_of(" \t:", key.size());
        return value == std::string::npos ? std::string() : line.substr(value);
    }
    return std::string();
}

std::string systemName() {
    utsname names{};
    if (uname(&names) != 0)
        return "unknown system";
    return std::string(names.sysname) + " " + names.release;
}

}  // namespace

std::string describeMachine() {
    std::string processor = procValue("/proc/cpuinfo", "model name");
    return (processor.empty() ? "unknown processor" : processor) + ", " +
           std::to_string(std::thread::hardware_concurrency()) + " cores, " +
           procValue("/proc/meminfo", "MemTotal") + " memory, " + systemName();
}

std::string loadAverages() {
    double loads[3];
    if (getloadavg(loads, 3) != 3)
        return "unknown";
    char text[64];
    std::snprintf(text, sizeof text, "%.2f %.2f %.2f", loads[0], loads[1], loads[2]);
    return text;
}

void printMachineAndLoad() {
    std::printf("Machine: %s\nLoad:    %s at the start\n", describeMachine().c_str(), loadAverages().c_str());
}
