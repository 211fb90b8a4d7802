#ifndef KORRIN_ECLIPSE_PROJECT_H
#define KORRIN_ECLIPSE_PROJECT_H

#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

// A file or folder of .project that lies elsewhere: it appears in the
// project at name (a path relative to the project, "/" between folders).
struct LinkedResource {
    std::string name;
    bool isFolder = false;
    std::string location;  // a locationURI, or an absolute location
};

// What Korrin reads of an Eclipse .project file.
struct EclipseProject {
    std::string name;
    bool isCcsProject = false;  // it has one of Code Composer Studio's natures
    std::vector<LinkedResource> links;
    std::vector<std::pair<std::string, std::string>> pathVariables;  // name, value as written
};

EclipseProject readEclipseProject(const pugi::xml_document& document);

#endif
