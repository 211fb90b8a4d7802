#ifndef KORRIN_FOLDERS_H
#define KORRIN_FOLDERS_H

#include <string>

// Makes one folder exist: a folder already at path is accepted, a missing
// parent is not created. Throws ConversionError (CannotCreateFolder) when
// the folder cannot be made, a file of that name being in the way included.
void ensureDirectory(const std::string& path);

// Makes each folder of below (relative, "\" between folders) exist below
// parent, which exists, and returns the innermost; parent itself for an
// empty below. Throws as ensureDirectory does.
std::string ensureFolderBelow(const std::string& parent, const std::string& below);

#endif
