#include "writers/Folders.h"

#include <algorithm>

#include "base/ConversionError.h"
#include "base/PathText.h"
#include "host/Host.h"

void ensureDirectory(const std::string& path) {
    host::MakeDirectory made = host::makeDirectory(path);
    if (made == host::MakeDirectory::Created)
        return;
    // A file of that name is in the way, not a folder that already exists.
    if (made == host::MakeDirectory::AlreadyExists && host::isDirectory(withoutTrailingSeparator(path)))
        return;
    throw ConversionError(ConversionError::Kind::CannotCreateFolder, path);
}

std::string ensureFolderBelow(const std::string& parent, const std::string& below) {
    std::string folder = parent;
    for (std::string::size_type start = 0; start < below.size();) {
        const std::string::size_type end = std::min(below.find('\\', start), below.size());
        folder += "\\" + below.substr(start, end - start);
        ensureDirectory(folder);
        start = end + 1;
    }
    return folder;
}
