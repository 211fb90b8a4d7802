#ifndef KORRIN_BENCH_WRITTEN_TREE_H
#define KORRIN_BENCH_WRITTEN_TREE_H

#include <cstddef>
#include <cstdint>
#include <string>

// What a conversion left on disk below its destination folder.
struct WrittenTree {
    std::uintmax_t bytes;
    std::size_t files;
    std::size_t folders;
};

WrittenTree measureTree(const std::string& root);

// Whether the file system of folder has the room and the inodes for copies
// more of the tree.
bool hasRoomFor(const std::string& folder, const WrittenTree& tree, int copies);

// The number of line ends in the file; 0 when it cannot be read.
std::size_t countLines(const std::string& path);

std::uintmax_t fileBytes(const std::string& path);

#endif
