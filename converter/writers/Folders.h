#ifndef KORRIN_FOLDERS_H
#define KORRIN_FOLDERS_H

#include <string>

// Makes one folder exist: a folder already at path is accepted, a missing
// parent is not created. Throws ConversionError (CannotCreateFolder) when
// the folder cannot be made, a file of that name being in the way included.
void ensureDirectory(const std::string& path);

#endif
