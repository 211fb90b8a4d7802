#include "host/Host.h"

#include <cerrno>
#include <cstdlib>
#include <direct.h>
#include <io.h>
#include <sys/stat.h>
#define WIN32_LEAN_AND_MEAN
#include <windows.h>

// Windows takes the converter's paths as they are: "\" is its separator,
// drive letters and doubled separators included.
namespace host {

std::optional<std::string> workingDirectory() {
    // A null buffer lets the runtime allocate as much as the path needs.
    char* buffer = _getcwd(nullptr, 0);
    if (buffer == nullptr)
        return std::nullopt;
    std::string directory(buffer);
    std::free(buffer);
    return directory;
}

std::optional<std::string> driveDirectory(const std::string& drive) {
    std::optional<std::string> original = workingDirectory();
    if (!original)
        return std::nullopt;
    // Changing to a bare "D:" lands in drive D's own current directory. A
    // drive that cannot be entered leaves the working directory as it was.
    _chdir(drive.c_str());
    std::optional<std::string> directory = workingDirectory();
    // Back to the whole original path: a bare "C:" would land in C's root
    // when no current directory was recorded for C, and a network path has
    // no drive at all.
    _chdir(original->c_str());
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

bool isRegularFile(const std::string& path) {
    struct _stat info;
    return _stat(path.c_str(), &info) == 0 && (info.st_mode & _S_IFREG);
}

std::vector<std::string> usualTiFolders() { return {"C:\\ti"}; }

bool isAbsolute(const std::string& path) {
    return (!path.empty() && path[0] == '\\') || (path.size() >= 3 && path[1] == ':' && path[2] == '\\');
}

std::optional<std::vector<FolderEntry>> folderEntries(const std::string& path) {
    _finddata_t found;
    intptr_t search = _findfirst((path + "\\*").c_str(), &found);
    if (search == -1)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    do {
        const std::string name = found.name;
        if (name != "." && name != "..")
            entries.push_back({name, (found.attrib & _A_SUBDIR) != 0});
    } while (_findnext(search, &found) == 0);
    _findclose(search);
    return entries;
}

std::optional<std::string> realFolder(const std::string& path) {
    HANDLE folder = CreateFileA(path.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (folder == INVALID_HANDLE_VALUE)
        return std::nullopt;
    std::string real(32768, '\0');
    const DWORD length = GetFinalPathNameByHandleA(folder, real.data(), static_cast<DWORD>(real.size()), 0);
    CloseHandle(folder);
    if (length == 0 || length >= real.size())
        return std::nullopt;
    real.resize(length);
    return real;
}

bool namesRespectCase() { return false; }

std::string systemPath(const std::string& path) { return path; }

bool pathsStartAtOneRoot() { return false; }

MakeDirectory makeDirectory(const std::string& path) {
    if (_mkdir(path.c_str()) == 0)
        return MakeDirectory::Created;
    return errno == EEXIST ? MakeDirectory::AlreadyExists : MakeDirectory::Failed;
}

bool openForReading(std::ifstream& stream, const std::string& path) {
    if (isDirectory(path))
        return false;
    stream.open(path, std::ios::in | std::ios::binary);
    return stream.is_open();
}

bool openForWriting(std::ofstream& stream, const std::string& path) {
    stream.open(path, std::ios::out | std::ios::trunc | std::ios::binary);
    return stream.is_open();
}

}  // namespace host
