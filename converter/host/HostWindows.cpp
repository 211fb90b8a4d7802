#include "Host.h"

#include <cerrno>
#include <direct.h>
#include <sys/stat.h>
#include <cstdlib>

namespace host {

std::optional<std::string> workingDirectory() {
    // A null buffer lets the runtime allocate as much as the path needs.
    char* buffer = _getcwd(nullptr, 0);
    if (buffer == nullptr)
        return std::nullopt;
    std::string directory(buffer);
    free(buffer);
    return directory;
}

std::optional<std::string> driveDirectory(const std::string& drive) {
    std::optional<std::string> original = workingDirectory();
    if (!original)
        return std::nullopt;
    _chdir(drive.c_str());
    std::optional<std::string> directory = workingDirectory();
    // Changing to "C:" makes drive C current again with its own directory.
    _chdir(original->substr(0, 2).c_str());
    return directory;
}

std::string fromArgument(const std::string& argument) { return argument; }

bool exists(const std::string& path) {
    struct _stat info;
    return _stat(path.c_str(), &info) == 0;
}

bool isDirectory(const std::string& path) {
    struct _stat info;
    return _stat(path.c_str(), &info) == 0 && (info.st_mode & _S_IFDIR);
}

MakeDirectory makeDirectory(const std::string& path) {
    if (_mkdir(path.c_str()) == 0)
        return MakeDirectory::Created;
    return errno == EEXIST ? MakeDirectory::AlreadyExists : MakeDirectory::Failed;
}

bool openForReading(std::ifstream& stream, const std::string& path) {
    struct _stat info;
    if (_stat(path.c_str(), &info) == 0 && (info.st_mode & _S_IFDIR))
        return false;
    stream.open(path, std::ios::in | std::ios::binary);
    return stream.is_open();
}

bool openForWriting(std::ofstream& stream, const std::string& path) {
    stream.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    return stream.is_open();
}

}  // namespace host
