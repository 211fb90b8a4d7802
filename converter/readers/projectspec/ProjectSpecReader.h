#ifndef KORRIN_PROJECT_SPEC_READER_H
#define KORRIN_PROJECT_SPEC_READER_H

#include <string>

#include "model/Project.h"
#include "readers/ReadOptions.h"

// Whether location names a .projectspec file, letter case aside.
bool isProjectSpecLocation(const std::string& location);

// The name of the project a .projectspec makes: its own, else the file's
// name without its extension, also when the file cannot be read.
std::string projectSpecName(const std::string& path);

// Reads the .projectspec at path into a project: the root group named
// options.name, else after the .projectspec's project, with the .projectspec's folder as its source
// folder; one group per configuration (CCS's "Debug" and "Release" when the
// .projectspec names none) with the include folders and definitions of the
// project's and then the configuration's compiler options, and the .projectspec's
// files of the configuration whose extension is one of the extensions (C,
// C++, CLA, assembly and header files when there are none). Variables take
// their values from the macros first, and CCS's own from the installs. Throws
// ConversionError (NotACcsProject, MalformedProject, CannotOpenProject)
// when there is no such project.
Project readProjectSpecProject(const std::string& path, const ReadOptions& options);

#endif
