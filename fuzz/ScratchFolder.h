#ifndef KORRIN_SCRATCH_FOLDER_H
#define KORRIN_SCRATCH_FOLDER_H

#include <filesystem>
#include <string>
#include <vector>

// A fresh folder for one input, removed with everything in it afterwards.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::filesystem::path& base);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    const std::filesystem::path& path() const { return root; }

private:
    std::filesystem::path root;
};

// The names directly inside folder, sorted.
std::vector<std::string> entriesOf(const std::filesystem::path& folder);

#endif
