#include "host/Host.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

namespace host {
namespace {

std::string replaceAll(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

std::string withoutTrailingSlashes(std::string path) {
    while (path.size() > 1 && path.back() == '\\')
        path.pop_back();
    return path;
}

}  // namespace

// The file system sees "/" wherever the converter writes "\".
std::string systemPath(const std::string& path) { return replaceAll(path, '\\', '/'); }

bool pathsStartAtOneRoot() { return true; }

std::optional<std::string> workingDirectory() {
    std::vector<char> buffer(256);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE)
            return std::nullopt;
        buffer.resize(buffer.size() * 2);
    }
    return fromArgument(buffer.data());
}

std::optional<std::string> driveDirectory(const std::string&) { return workingDirectory(); }

std::string fromArgument(const std::string& argument) { return replaceAll(argument, '/', '\\'); }

bool exists(const std::string& path) {
    struct stat info;
    return stat(systemPath(path).c_str(), &info) == 0;
}

bool isDirectory(const std::string& path) {
    struct stat info;
    return stat(systemPath(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool isRegularFile(const std::string& path) {
    struct stat info;
    return stat(systemPath(path).c_str(), &info) == 0 && S_ISREG(info.st_mode);
}

bool isAbsolute(const std::string& path) { return !path.empty() && path[0] == '\\'; }

std::optional<std::vector<FolderEntry>> folderEntries(const std::string& path) {
    const std::string folder = systemPath(path);
    DIR* listing = opendir(folder.c_str());
    if (listing == nullptr)
        return std::nullopt;
    std::vector<FolderEntry> entries;
    while (const dirent* entry = readdir(listing)) {
        const std::string name = entry->d_name;
        if (name == "." || name == "..")
            continue;
        bool isFolder = entry->d_type == DT_DIR;
        // Not every file system gives the type, nor the target of a link.
        if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK)
            isFolder = isDirectory(path + "\\" + name);
        entries.push_back({name, isFolder});
    }
    closedir(listing);
    return entries;
}

std::optional<std::string> realFolder(const std::string& path) {
    char* real = realpath(systemPath(path).c_str(), nullptr);
    if (real == nullptr)
        return std::nullopt;
    std::string folder(real);
    std::free(real);
    return folder;
}

bool namesRespectCase() { return true; }

std::vector<std::string> usualTiFolders() {
#ifdef __APPLE__
    return {"\\Applications\\ti", "\\Applications\\TI"};
#else
    std::vector<std::string> folders;
    if (const char* home = std::getenv("HOME"); home != nullptr && *home == '/')
        folders.push_back(withoutTrailingSlashes(fromArgument(home)) + "\\ti");
    folders.push_back("\\opt\\ti");
    return folders;
#endif
}

MakeDirectory makeDirectory(const std::string& path) {
    if (mkdir(systemPath(path).c_str(), 0777) == 0)
        return MakeDirectory::Created;
    return errno == EEXIST ? MakeDirectory::AlreadyExists : MakeDirectory::Failed;
}

bool openForReading(std::ifstream& stream, const std::string& path) {
    if (isDirectory(path))
        return false;
    stream.open(systemPath(path), std::ios::in | std::ios::binary);
    return stream.is_open();
}

bool openForWriting(std::ofstream& stream, const std::string& path) {
    stream.open(systemPath(path), std::ios::out | std::ios::trunc | std::ios::binary);
    return stream.is_open();
}

}  // namespace host
