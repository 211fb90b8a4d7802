#ifndef KORRIN_PJT_READER_H
#define KORRIN_PJT_READER_H

#include <list>
#include <string>

#include "base/BuildMacros.h"
#include "model/Project.h"

// Reads a Code Composer 3.x project file (.pjt) into a project: one
// configuration group per compiler settings section with its include folders
// and definitions, and in each the sources it does not exclude, when their
// extension is one of extensions (all when there are none). The root group
// is named after the file without its last four characters (the ".pjt"), and
// its source folder is the file's folder. Paths beginning with a build macro
// take its value from macros. Throws ConversionError (CannotOpenProject,
// with projectFile as given) when the file cannot be read.
Project readPjtProject(const std::string& projectFile, const std::list<std::string>& extensions,
                       const BuildMacros& macros);

// The name of the project a .pjt file holds: the file name of the absolute
// path without its extension.
std::string defaultProjectName(const std::string& sourcePath);

#endif
