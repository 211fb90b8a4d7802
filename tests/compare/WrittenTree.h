#ifndef KORRIN_WRITTEN_TREE_H
#define KORRIN_WRITTEN_TREE_H

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

// What one run of Korrin left: its exit status, its standard output and
// every file and folder of its case folder with the bytes of each file.
struct RunResult {
    int status = 0;
    std::string output;
    std::map<std::string, std::optional<std::string>> entries;  // folders hold no bytes
};

RunResult snapshot(int status, std::string output, const std::filesystem::path& folder);

// The first differences between two runs, a line each; none when they agree.
std::vector<std::string> differences(const RunResult& before, const RunResult& after, std::size_t most);

#endif
