#include "host/SortedEntries.h"

#include <algorithm>

namespace host {

std::vector<FolderEntry> sortedFolderEntries(const std::string& path) {
    std::vector<FolderEntry> entries = folderEntries(path).value_or(std::vector<FolderEntry>());
    std::sort(entries.begin(), entries.end(), [](const FolderEntry& a, const FolderEntry& b) { return a.name < b.name; });
    return entries;
}

}  // namespace host
