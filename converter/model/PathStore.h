#ifndef KORRIN_PATH_STORE_H
#define KORRIN_PATH_STORE_H

#include <cstddef>
#include <cstring>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

// A source file's path as a PathStore keeps it: an 8-byte handle to the
// text, which the groups of every configuration share.
class SourcePath {
public:
    explicit SourcePath(const char* stored = nullptr) : stored(stored) {}
    operator std::string_view() const { return {stored + sizeof(std::size_t), length()}; }

    // Where the path kept right after this one starts, when the store put it
    // in the same block.
    SourcePath next() const { return SourcePath(stored + sizeof(std::size_t) + length()); }
    bool operator==(SourcePath other) const { return stored == other.stored; }
    bool operator!=(SourcePath other) const { return stored != other.stored; }
    // The order in which a block holds its paths.
    bool operator<(SourcePath other) const { return std::less<const char*>()(stored, other.stored); }

private:
    std::size_t length() const {
        std::size_t length;
        std::memcpy(&length, stored, sizeof length);
        return length;
    }

    const char* stored;  // the length, then the text
};

// The text of every source path of a project, each kept once, in large
// blocks: a million sources cost a few hundred allocations. Paths kept one
// after the other follow each other in a block, so that a list of them is a
// few runs (see SourceList). A SourcePath stays valid as long as the store.
class PathStore {
public:
    PathStore() = default;
    PathStore(const PathStore&) = delete;
    PathStore& operator=(const PathStore&) = delete;

    SourcePath keep(std::string_view path);

private:
    std::vector<std::unique_ptr<char[]>> blocks;
    char* unused = nullptr;  // the rest of the last block
    std::size_t room = 0;
};

#endif
