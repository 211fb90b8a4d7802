#include "WrittenTree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

#include <sys/statvfs.h>

namespace fs = std::filesystem;

WrittenTree measureTree(const std::string& root) {
    WrittenTree tree{0, 0, 0};
    for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root)) {
        if (entry.is_directory()) {
            ++tree.folders;
        } else {
            ++tree.files;
            tree.bytes += entry.file_size();
        }
    }
    return tree;
}

// Counts a block of 4 KiB for every file and folder besides their bytes. A
// file system without a fixed number of inodes reports none at all.
bool hasRoomFor(const std::string& folder, const WrittenTree& tree, int copies) {
    struct statvfs room;
    if (statvfs(folder.c_str(), &room) != 0)
        return false;
    const std::uintmax_t entries = tree.files + tree.folders;
    const std::uintmax_t bytes = copies * (tree.bytes + 4096 * entries);
    const bool inodesLeft = room.f_files == 0 || room.f_favail > copies * entries;
    return inodesLeft && std::uintmax_t(room.f_bavail) * room.f_frsize > bytes;
}

std::size_t countLines(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<char> block(1 << 20);
    std::size_t lines = 0;
    while (in.read(block.data(), static_cast<std::streamsize>(block.size())) || in.gcount() > 0)
        lines += static_cast<std::size_t>(std::count(block.data(), block.data() + in.gcount(), '\n'));
    return lines;
}

std::uintmax_t fileBytes(const std::string& path) {
    std::error_code error;
    std::uintmax_t size = fs::file_size(path, error);
    return error ? 0 : size;
}
