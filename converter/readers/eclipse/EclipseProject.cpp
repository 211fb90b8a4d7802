#include "readers/eclipse/EclipseProject.h"

#include <string_view>

#include "readers/ccs/XmlFile.h"

namespace {

// CCS 5 and later, and the spelling of CCS 4.
bool isCcsNature(std::string_view nature) {
    return nature == "com.ti.ccstudio.core.ccsNature" || nature == "com.ti.ccstudio.managedbuild.core.ccsNature";
}

}  // namespace

EclipseProject readEclipseProject(const pugi::xml_document& document) {
    EclipseProject project;
    const pugi::xml_node description = document.child("projectDescription");
    project.name = textOf(description.child("name"));
    for (const pugi::xml_node& nature : description.child("natures").children("nature"))
        project.isCcsProject = project.isCcsProject || isCcsNature(textOf(nature));
    for (const pugi::xml_node& link : description.child("linkedResources").children("link")) {
        const pugi::xml_node uri = link.child("locationURI");
        project.links.push_back(
            {textOf(link.child("name")), textOf(link.child("type")) == "2", textOf(uri ? uri : link.child("location"))});
    }
    for (const pugi::xml_node& variable : description.child("variableList").children("variable"))
        project.pathVariables.emplace_back(textOf(variable.child("name")), textOf(variable.child("value")));
    return project;
}
