#include "readers/pjt/LineReader.h"

#include <cstring>

#include "host/Host.h"
#include "readers/pjt/LineKinds.h"

namespace {

const std::size_t blockSize = 1024 * 1024;

}  // namespace

bool LineReader::open(const std::string& path) {
    if (!host::openForReading(input, path))
        return false;
    block.resize(blockSize);
    blockStart = blockEnd = 0;
    return true;
}

void LineReader::close() {
    input.close();
    input.clear();
}

bool LineReader::readLine(std::string& line) {
    line.clear();
    while (blockStart < blockEnd || readBlock()) {
        const char* start = block.data() + blockStart;
        const char* end = block.data() + blockEnd;
        const char* lineEnd = static_cast<const char*>(std::memchr(start, '\n', end - start));
        line.append(start, lineEnd == nullptr ? end : lineEnd);
        blockStart = lineEnd == nullptr ? blockEnd : lineEnd - block.data() + 1;
        // A CR that ends a CR LF pair goes with the line end.
        if (lineEnd != nullptr) {
            line.resize(withoutTrailingCr(line).size());
            return true;
        }
    }
    // The last line of a file has no line end for a CR to go with.
    return !line.empty();
}

bool LineReader::readBlock() {
    input.read(block.data(), static_cast<std::streamsize>(block.size()));
    blockStart = 0;
    blockEnd = static_cast<std::size_t>(input.gcount());
    return blockEnd > 0;
}
