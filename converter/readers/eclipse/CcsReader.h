#ifndef KORRIN_CCS_READER_H
#define KORRIN_CCS_READER_H

#include <set>
#include <string>

#include "model/Project.h"
#include "readers/ReadOptions.h"

// What a search of many projects needs of a folder with a .project: the
// project's name, whether it is a Code Composer Studio project (a CCS
// nature or a TI tool chain) and the configurations' build folders, which
// hold no projects. One that cannot be read counts as a CCS project, whose
// conversion then says what is wrong with it.
struct CcsProjectIdentity {
    std::string name;
    bool isCcs = false;
    std::set<std::string> buildFolders;
};
CcsProjectIdentity identifyCcsProject(const std::string& folder);

// Whether location names a Code Composer Studio v4 or later project: a
// folder, or a file named .project, .cproject, .ccsproject or .cdtbuild.
bool isCcsProjectLocation(const std::string& location);

// Reads the Code Composer Studio project at location (its folder or one of
// its files) into a project: the root group named options.name, else after the
// project's own name, with the project folder as its source folder; one
// group per build configuration, in file order, with the include folders
// and definitions of its compiler and the files CCS would build with it
// whose extension is one of the extensions (C, C++, CLA, assembly and
// header files when there are none). Variables take their values from the
// macros first, CCS's own from the installs, and ${workspace_loc:/P/...} of
// another project P from the workspace. Throws ConversionError
// (NotACcsProject, MalformedProject, CannotOpenProject) when there is no
// such project.
Project readCcsProject(const std::string& location, const ReadOptions& options);

#endif
