#ifndef KORRIN_WORKSPACE_PROJECTS_H
#define KORRIN_WORKSPACE_PROJECTS_H

#include <map>
#include <string>

// The projects of one run by their names, as a CCS workspace holds them:
// the folder of each, which ${workspace_loc:/<name>/...} names.
using WorkspaceProjects = std::map<std::string, std::string>;

// The folder of the project of that name: the one of the very name, else
// the one whose name differs in letter case alone, as Windows compares
// them; nothing when there is none.
const std::string* workspaceFolderOf(const WorkspaceProjects& projects, const std::string& name);

#endif
