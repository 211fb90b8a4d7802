#ifndef KORRIN_SORTED_ENTRIES_H
#define KORRIN_SORTED_ENTRIES_H

#include <string>
#include <vector>

#include "host/Host.h"

namespace host {

// What a folder holds in name order, so that every walk of a tree meets
// its files in the same order on every host; none when it cannot be read.
std::vector<FolderEntry> sortedFolderEntries(const std::string& path);

}  // namespace host

#endif
