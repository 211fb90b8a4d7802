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

SourcePath PathStore::keep(std::string_view path) {
    const std::size_t needed = path.size() + 2;
    if (needed > room) {
        room = std::max(nextBlockSize(blocks.size()), needed);
        blocks.emplace_back(new char[room]);
        unused = blocks.back().get();
    }
    SourcePath kept(unused, path.size());
    std::copy(path.begin(), path.end(), unused);
    std::copy_n("\r\n", 2, unused + path.size());
    unused += needed;
    room -= needed;
    return kept;
}
