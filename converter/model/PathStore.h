#ifndef KORRIN_PATH_STORE_H
#define KORRIN_PATH_STORE_H

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

// A source of a project, by the place of its path in the project's store.
using SourceIndex = std::uint32_t;

// The path of every source of a project, in the order read, each source
// once however many groups list it. The text lies in large blocks, so that
// a million sources cost a few hundred allocations; groups list sources by
// index (see SourceList).
class PathStore {
public:
    PathStore() = default;
    PathStore(PathStore&&) = default;
    PathStore& operator=(PathStore&&) = default;
    PathStore(const PathStore&) = delete;
    PathStore& operator=(const PathStore&) = delete;

    SourceIndex keep(std::string_view path);
    std::string_view operator[](SourceIndex source) const { return paths[source]; }
    std::size_t size() const { return paths.size(); }

private:
    std::vector<std::unique_ptr<char[]>> blocks;
    char* unused = nullptr;  // the rest of the last block
    std::size_t room = 0;
    std::vector<std::string_view> paths;  // views of the blocks, by index
};

#endif
