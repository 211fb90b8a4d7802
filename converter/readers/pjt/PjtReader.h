#ifndef KORRIN_PJT_READER_H
#define KORRIN_PJT_READER_H

#include <string>

#include "model/Project.h"
#include "readers/ReadOptions.h"

// Whether location names a .pjt file, letter case aside; such a location
// is read as one even where a folder stands.
bool isPjtLocation(const std::string& location);

// Reads a Code Composer 3.x project file (.pjt) into a project: one
// configuration group per compiler settings section with its include folders
// and definitions, and in each the sources it does not exclude, when their
// extension is one of the options' extensions (all when there are none). The root group
// is named after the file without its last four characters (the ".pjt"), and
// its source folder is the file's folder. Paths beginning with a build macro
// take its value from the options' macros. Throws ConversionError (CannotOpenProject,
// with projectFile as given) when the file cannot be read.
Project readPjtProject(const std::string& projectFile, const ReadOptions& options);

// The name of the project a .pjt file holds: the file name of the absolute
// path without its extension.
std::string defaultProjectName(const std::string& sourcePath);

#endif
