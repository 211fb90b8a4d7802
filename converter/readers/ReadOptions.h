#ifndef KORRIN_READ_OPTIONS_H
#define KORRIN_READ_OPTIONS_H

#include <list>
#include <optional>
#include <string>

#include "base/BuildMacros.h"
#include "base/WorkspaceProjects.h"
#include "installs/TiInstalls.h"

// What every reader is given besides the project's location; each takes
// what its format needs. The run owns what it refers to.
struct ReadOptions {
    std::optional<std::string> name;       // of the Corvel project ("-pn"), else the project's own
    const std::list<std::string>& extensions;  // of the files to take; all when there are none
    const BuildMacros& macros;             // values given to the project's macros and variables
    const TiInstalls& installs;            // which give CCS's own variables theirs
    const WorkspaceProjects& workspace;    // the projects ${workspace_loc:/P/...} may name
};

#endif
