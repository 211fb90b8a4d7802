#ifndef KORRIN_PATH_STORE_H
#define KORRIN_PATH_STORE_H

#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>
#include <vector>

// A source file's path as a PathStore keeps it: the handle is all a group
// holds for each of its files, and the groups of every configuration share
// the text.
class SourcePath {
public:
    explicit SourcePath(const char* stored) : stored(stored) {}
    operator std::string_view() const {
        std::size_t length;
        std::memcpy(&length, stored, sizeof length);
        return {stored + sizeof length, length};
    }

private:
    const char* stored;  // the length, then the text
};

// The text of every source path of a project, each kept once, in large
// blocks: a million sources cost a few hundred allocations. A SourcePath
// stays valid as long as the store.
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
