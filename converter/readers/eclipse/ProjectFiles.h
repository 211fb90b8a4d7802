#ifndef KORRIN_PROJECT_FILES_H
#define KORRIN_PROJECT_FILES_H

#include <optional>
#include <set>
#include <string>
#include <vector>

// A file of a project: where the project shows it (relative to the
// project, "/" between folders) and where it is.
struct ProjectFile {
    std::string name;
    std::string path;
};

// A linked file or folder, its location resolved; nothing for a virtual
// folder, which only holds other links.
struct ResolvedLink {
    std::string name;
    bool isFolder;
    std::optional<std::string> path;
};

// Every file of the project, as Code Composer Studio counts them: below the
// project folder less the dot folders, the top folders named in buildFolders
// and files whose name holds a line end, then each linked file and the files below each linked
// folder, in the order of the links. A folder's entries come in name order.
// A folder reached a second time, through a link or a symbolic link, is not
// walked again, so a link to an ancestor or a loop ends.
std::vector<ProjectFile> projectFiles(const std::string& projectFolder, const std::vector<ResolvedLink>& links,
                                      const std::set<std::string>& buildFolders);

#endif
