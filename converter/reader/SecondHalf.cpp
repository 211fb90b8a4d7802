#include "reader/SecondHalf.h"

#include <utility>

#include "reader/LineKinds.h"
#include "reader/LineReader.h"

bool SecondHalf::read(const std::string& filePath, std::uint64_t start) {
    LineReader input;
    if (!input.open(filePath))
        return false;
    input.seek(start);
    std::string line;
    std::string previousLine;
    while (input.readLine(line)) {
        const LineKind kind = classifyLine(line);
        // The project name and other lines change nothing; the rest depends
        // on the lines before it, and waits for them.
        if (!sources.read(kind, line, previousLine) && kind != LineKind::ProjectName && kind != LineKind::Other)
            deferred.push_back({line, paths.unresolvedMacros().size()});
        std::swap(previousLine, line);
    }
    return true;
}
