#ifndef KORRIN_SECOND_HALF_H
#define KORRIN_SECOND_HALF_H

#include <cstddef>
#include <cstdint>
#include <list>
#include <string>
#include <vector>

#include "model/PathStore.h"
#include "reader/ProjectPaths.h"
#include "reader/SourceReading.h"

// A line that depends on the lines before it, kept for the reader of the
// first half to apply in turn.
struct DeferredLine {
    std::string text;
    std::size_t macrosBefore;  // the unresolved macros noted before it
};

// The second half of a large project file, read on a thread of its own
// while the first half is read: its source and exclusion lines, and every
// other line that matters, deferred.
class SecondHalf {
public:
    SecondHalf(const ProjectPaths& projectPaths, const std::list<std::string>& extensions)
        : paths(projectPaths), sources(store, paths, extensions) {}

    // Reads from start to the end of the file. The line at start must not be
    // an exclusion, which would need the line before it. False when the file
    // cannot be opened.
    bool read(const std::string& filePath, std::uint64_t start);

    PathStore store;
    ProjectPaths paths;  // with the macros the half left unresolved
    SourceReading sources;
    std::vector<DeferredLine> deferred;
};

#endif
