#include "ScratchFolder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>
#include <vector>

ScratchFolder::ScratchFolder(const std::string& parent) {
    std::string pattern = parent + "/korrin-bench-XXXXXX";
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    if (mkdtemp(name.data()) == nullptr)
        throw std::runtime_error("could not create a scratch folder in " + parent);
    root = name.data();
}

ScratchFolder::~ScratchFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(root, ignored);
}

std::string temporaryFolder() {
    const char* folder = std::getenv("TMPDIR");
    return folder != nullptr && *folder != '\0' ? folder : "/tmp";
}
