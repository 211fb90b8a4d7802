#include "model/PathStore.h"

#include <algorithm>

namespace {

// The first blocks are small, so that a small project takes little; from the
// fifth on a block holds a mebibyte.
const std::size_t firstBlockSize = 64 * 1024;
const std::size_t largestBlockSize = 1024 * 1024;

std::size_t nextBlockSize(std::size_t blocksSoFar) {
    return blocksSoFar < 4 ? firstBlockSize << blocksSoFar : largestBlockSize;
}

}  // namespace

// The indices have 32 bits: more sources than that would not fit in any
// memory long before.
SourceIndex PathStore::keep(std::string_view path) {
    if (path.size() > room) {
        room = std::max(nextBlockSize(blocks.size()), path.size());
        blocks.emplace_back(new char[room]);
        unused = blocks.back().get();
    }
    std::copy(path.begin(), path.end(), unused);
    paths.emplace_back(unused, path.size());
    unused += path.size();
    room -= path.size();
    return static_cast<SourceIndex>(paths.size() - 1);
}
