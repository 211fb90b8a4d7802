#include "writers/Folders.h"

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
