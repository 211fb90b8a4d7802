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

// The run with every "\" of a path line turned into "/": every line of its
// output and files but a group's name and a definition. A folder group's
// SourcePath that ends in "//" (Korrin's own "\" and one more) becomes the
// absolute folder with one "/", as Korrin writes it on Linux.
void foldSeparators(RunResult& run);

// The first differences between two runs, a line each; none when they agree.
std::vector<std::string> differences(const RunResult& before, const RunResult& after, std::size_t most);

#endif
