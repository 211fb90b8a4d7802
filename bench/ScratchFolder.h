#ifndef KORRIN_BENCH_SCRATCH_FOLDER_H
#define KORRIN_BENCH_SCRATCH_FOLDER_H

#include <string>

// A fresh folder of its own below parent, removed with everything in it
// when the object goes. Throws std::runtime_error when it cannot be made.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& parent);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return root; }
    std::string operator/(const std::string& name) const { return root + "/" + name; }

private:
    std::string root;
};

// The folder for scratch files: $TMPDIR, or /tmp without it.
std::string temporaryFolder();

#endif
