#include "model/PathStore.h"

#include <algorithm>

namespace {

const std::size_t blockSize = 1024 * 1024;

}  // namespace

SourcePath PathStore::keep(std::string_view path) {
    const std::size_t length = path.size();
    const std::size_t needed = sizeof length + length;
    if (needed > room) {
        room = std::max(blockSize, needed);
        blocks.emplace_back(new char[room]);
        unused = blocks.back().get();
    }
    SourcePath kept(unused);
    std::memcpy(unused, &length, sizeof length);
    std::copy(path.begin(), path.end(), unused + sizeof length);
    unused += needed;
    room -= needed;
    return kept;
}
