#include "reader/ProjectFileReader.h"

#include <future>
#include <limits>
#include <utility>

#include "ProjectConverter.h"
#include "model/GroupFolders.h"
#include "reader/InParallel.h"
#include "reader/LineKinds.h"
#include "reader/ProjectParse.h"
#include "reader/SecondHalf.h"

namespace {

// A file this large is read by two threads, a half each.
const std::uint64_t largeFile = 8 * 1024 * 1024;
const std::uint64_t endOfFile = std::numeric_limits<std::uint64_t>::max();

// Applies the lines that start before until.
void applyLines(ProjectParse& parse, LineReader& input, std::uint64_t until, std::string& previousLine) {
    std::string line;
    while (input.position() < until && input.readLine(line)) {
        parse.apply(line, previousLine);
        // The next read overwrites the buffer that held the line before.
        std::swap(previousLine, line);
    }
}

}  // namespace

void ProjectFileReader::openFile(const std::string& path) {
    filePath = path;
    if (!input.open(path))
        throw AsciiReaderError{2};
}

// The second half starts with the first line at or after the split that is
// no exclusion: an exclusion needs the line before it.
std::optional<std::uint64_t> ProjectFileReader::secondHalfStart() {
    const std::uint64_t size = input.size();
    const std::uint64_t at = split.value_or(size >= largeFile ? size / 2 : size);
    if (at >= size)
        return std::nullopt;
    std::string line;
    if (at > 0) {
        input.seek(at - 1);
        input.readLine(line);  // the rest of the line that holds the byte before
    }
    std::uint64_t start = input.position();
    while (input.readLine(line) && classifyLine(line) == LineKind::Exclusion)
        start = input.position();
    input.seek(0);
    return start < size ? std::optional<std::uint64_t>(start) : std::nullopt;
}

// The second half of a large file is read on a thread of its own while this
// one reads the first, and what it read is taken in after the first half.
bool ProjectFileReader::parseProject() {
    ProjectParse parse(*projectGroup, *converter, extensions);
    const std::optional<std::uint64_t> secondStart = secondHalfStart();
    SecondHalf half(parse.projectPaths(), extensions);
    std::future<bool> secondRead;
    if (secondStart)
        secondRead = inParallel([&half, this, start = *secondStart] { return half.read(filePath, start); });
    std::string previousLine;
    applyLines(parse, input, secondStart.value_or(endOfFile), previousLine);
    if (secondStart) {
        if (secondRead.get())
            parse.take(half);
        else
            applyLines(parse, input, endOfFile, previousLine);
    }
    input.close();
    parse.distributeSources();
    converter->setUnresolvedMacros(parse.unresolvedMacros());
    if (parse.unplaceableSource()) {
        refuseGroupsOutside(*projectGroup);
        throw *parse.unplaceableSource();
    }
    return true;
}
