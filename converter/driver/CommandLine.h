#ifndef KORRIN_COMMAND_LINE_H
#define KORRIN_COMMAND_LINE_H

#include <functional>
#include <optional>
#include <string>
#include <vector>

// Where relative paths are resolved from: the working directory, and the
// current directory of a drive for paths such as 'D:sub\x.pjt'. Each is
// read only when a path needs it, and is nothing when it cannot be read.
struct PathBase {
    std::function<std::optional<std::string>()> workingDirectory;
    std::function<std::optional<std::string>(const std::string& drive)> driveDirectory;
};

// The path made absolute, without any normalisation; nothing when the
// directory it is relative to cannot be read.
std::optional<std::string> makeAbsolutePath(const std::string& path, const PathBase& base);

void printUsage();

// Runs Korrin on the command line (program name first); returns the exit status.
int runKorrin(const std::vector<std::string>& arguments);

#endif
