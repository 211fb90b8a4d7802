#ifndef KORRIN_PROJECT_SEARCH_H
#define KORRIN_PROJECT_SEARCH_H

#include <string>
#include <vector>

// A project found below a folder of many: a repository or a CCS workspace.
struct FoundProject {
    std::string location;  // its folder, or its .projectspec file
    std::string folder;    // of the project, which its files lie below
    std::string below;     // where it lies below the searched folder, "" for that folder itself
    std::string name;      // as a workspace knows it
};

// The Code Composer Studio projects (folders with a .project of CCS) and
// .projectspec files at any depth below folder, in name order, parents
// before what they hold; the folder's own project only when withOwn. Every
// folder is searched once however it is reached; dot folders and the build
// folders of the projects found are passed over.
std::vector<FoundProject> findProjects(const std::string& folder, bool withOwn);

#endif
