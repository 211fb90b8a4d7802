#include "base/WorkspaceProjects.h"

#include "base/PathText.h"

const std::string* workspaceFolderOf(const WorkspaceProjects& projects, const std::string& name) {
    const auto exact = projects.find(name);
    if (exact != projects.end())
        return &exact->second;
    for (const auto& [projectName, folder] : projects)
        if (upperCase(projectName) == upperCase(name))
            return &folder;
    return nullptr;
}
