#ifndef KORRIN_DISK_SPELLING_H
#define KORRIN_DISK_SPELLING_H

#include <map>
#include <optional>
#include <string>
#include <vector>

#include "host/Host.h"

// Finds the files and folders a project names. Windows ignores letter case
// in names and projects written there rely on it; a host whose names respect
// case may hold them in another spelling. Folders are listed once per run.
class DiskSpelling {
public:
    // Relative paths count from baseFolder, as the analysers take them.
    explicit DiskSpelling(std::string baseFolder);

    // The path as written when something is there; otherwise the one path
    // that matches it with letter case ignored; nothing when no path or more
    // than one does.
    std::optional<std::string> find(const std::string& path);

    // What the folder holds; empty when it cannot be read.
    const std::vector<host::FolderEntry>& entriesOf(const std::string& folder);

private:
    std::string onDisk(const std::string& path) const;
    void match(const std::vector<std::string>& names, std::size_t next, const std::string& prefix,
               std::vector<std::string>& found);

    std::string base;
    std::map<std::string, std::vector<host::FolderEntry>> listings;
};

#endif
