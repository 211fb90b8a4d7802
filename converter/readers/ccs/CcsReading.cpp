#include "readers/ccs/CcsReading.h"

#include <utility>

CcsReading::CcsReading(const std::string& folder, const std::string& ownName, const ReadOptions& options,
                       std::vector<ProductRequest> products)
    : project(options.name.value_or(ownName)),
      installs(options.installs, std::move(products)),
      variables(folder, ownName, options.macros, installs, options.workspace) {
    project.name = ownName;
    project.folder = folder;
    project.root.setSourceFolder(folder + "\\");
}

Project CcsReading::finish() {
    project.target = project.targetOf(project.root.getChildren().front().getName());
    project.unresolvedMacros = variables.unresolved();
    project.foundMacros = variables.found();
    project.missingOwnPaths = variables.missingOwnPaths();
    project.versionNotes = variables.versionNotes();
    project.foundInProject = variables.foundInProject();
    project.ungeneratedFolders = variables.ungeneratedFolders();
    return std::move(project);
}
