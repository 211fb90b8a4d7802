#include "WrittenTree.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <vector>

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
