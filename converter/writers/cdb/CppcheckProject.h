#ifndef KORRIN_CPPCHECK_PROJECT_H
#define KORRIN_CPPCHECK_PROJECT_H

#include <string>

#include "model/Target.h"

// Writes into a configuration's folder, beside its database, the cppcheck
// project 'name.cppcheck', which cppcheck (--project=) and its GUI open as it
// is: it imports the database and names the platform of the target's
// family, written beside as '<family>-platform.xml' (the width of a char,
// the sign of plain char, the size of each type in chars), since cppcheck
// takes no type size from a database. cppcheck reads no CLA sources, which
// a note in the project says when the configuration has some. Throws
// ConversionError (CannotWriteFile) when a file cannot be written.
void writeCppcheckProject(const std::string& folder, const std::string& name, const Target& target, bool claSources);

#endif
