#include "BenchOptions.h"

#include <cstdlib>

BenchOptions::BenchOptions(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; i += 2)
        values[argv[i]] = argv[i + 1];
}

std::size_t BenchOptions::count(const std::string& name, std::size_t byDefault) const {
    const auto found = values.find(name);
    return found == values.end() ? byDefault : std::strtoul(found->second.c_str(), nullptr, 10);
}

std::filesystem::path BenchOptions::scratchParent() const {
    const auto found = values.find("--scratch");
    return found == values.end() ? std::filesystem::temp_directory_path() : std::filesystem::path(found->second);
}
