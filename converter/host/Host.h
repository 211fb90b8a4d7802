#ifndef KORRIN_HOST_H
#define KORRIN_HOST_H

#include <fstream>
#include <optional>
#include <string>
#include <vector>

// The few things the converter asks of the operating system. Paths cross
// this boundary in the converter's own notation, with "\" as the separator;
// each host maps them onto its file system.
namespace host {

// The process's working directory, or nothing when it cannot be read.
std::optional<std::string> workingDirectory();

// The current directory of a drive ("D:"): on hosts with drive letters each
// drive keeps its own; elsewhere it is the working directory.
std::optional<std::string> driveDirectory(const std::string& drive);

// A path typed on the command line, in the converter's notation.
std::string fromArgument(const std::string& argument);

bool exists(const std::string& path);
// Whether a folder (not a file) is at path.
bool isDirectory(const std::string& path);
// Whether an ordinary file (not a folder or a device) is at path.
bool isRegularFile(const std::string& path);

// Whether the path is absolute on this host; a relative one counts from the
// working directory.
bool isAbsolute(const std::string& path);

struct FolderEntry {
    std::string name;
    bool isFolder;
};
// What a folder holds, "." and ".." left out; nothing when it cannot be read.
std::optional<std::vector<FolderEntry>> folderEntries(const std::string& path);

// The folder's own path, links resolved: the same however the folder is
// reached; nothing when there is no folder at path.
std::optional<std::string> realFolder(const std::string& path);

// Whether the file system tells names apart by letter case, as Linux does
// and Windows does not.
bool namesRespectCase();

// Where TI's installers put the folder of CCS and its products on this
// system, in the order to look: 'C:\ti' on Windows; the home folder's 'ti'
// (of HOME) and '/opt/ti' on Linux; '/Applications/ti' and
// '/Applications/TI' on macOS.
std::vector<std::string> usualTiFolders();

// The path as this host's own programs write it: with "/" on Linux. Every
// path Korrin prints or writes goes through it.
std::string systemPath(const std::string& path);

// Whether an absolute path starts at the one root "\" of the host's file
// system, as on Linux, rather than at a drive.
bool pathsStartAtOneRoot();

enum class MakeDirectory { Created, AlreadyExists, Failed };
// Creates one folder level.
MakeDirectory makeDirectory(const std::string& path);

// Binary streams, so that the bytes written are the bytes asked for on
// every host. Opening a folder for reading fails.
bool openForReading(std::ifstream& stream, const std::string& path);
bool openForWriting(std::ofstream& stream, const std::string& path);

}  // namespace host

#endif
