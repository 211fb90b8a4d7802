#include "readers/projectspec/ProjectSpec.h"

#include "base/PathText.h"

namespace {

std::string attribute(const pugi::xml_node& element, const char* name) {
    return trimmed(element.attribute(name).as_string());
}

// 'a, b,\n c,' is a, b and c.
std::vector<std::string> listItems(const std::string& text) {
    std::vector<std::string> items;
    std::string::size_type start = 0;
    for (std::string::size_type comma; start <= text.size(); start = comma + 1) {
        comma = std::min(text.find(',', start), text.size());
        std::string item = trimmed(std::string_view(text).substr(start, comma - start));
        if (!item.empty())
            items.push_back(std::move(item));
    }
    return items;
}

std::vector<SpecConfiguration> configurationsOf(const pugi::xml_node& project) {
    std::vector<SpecConfiguration> configurations;
    for (const pugi::xml_node& configuration : project.children("configuration"))
        configurations.push_back({attribute(configuration, "name"), configuration.attribute("compilerBuildOptions").as_string()});
    if (configurations.empty())
        for (std::string& name : listItems(attribute(project, "configurations")))
            configurations.push_back({std::move(name), std::string()});
    return configurations;
}

std::vector<SpecFile> filesOf(const pugi::xml_node& project) {
    std::vector<SpecFile> files;
    for (const pugi::xml_node& file : project.children("file"))
        files.push_back({attribute(file, "path"), lowerCase(attribute(file, "excludeFromBuild")) == "true",
                         listItems(attribute(file, "applicableConfigurations"))});
    return files;
}

}  // namespace

std::optional<ProjectSpec> readProjectSpec(const pugi::xml_document& document) {
    const pugi::xml_node spec = document.child("projectSpec");
    const pugi::xml_node project = spec.child("project");
    if (!project)
        return std::nullopt;
    ProjectSpec result;
    result.name = attribute(project, "name");
    result.device = attribute(project, "device");
    result.deviceCore = attribute(project, "deviceCore");
    result.deviceFamily = attribute(spec.child("applicability").child("when").child("context"), "deviceFamily");
    result.toolChain = attribute(project, "toolChain");
    result.compilerVersion = attribute(project, "cgtVersion");
    result.compilerOptions = project.attribute("compilerBuildOptions").as_string();
    result.products = attribute(project, "products");
    result.configurations = configurationsOf(project);
    for (const pugi::xml_node& variable : project.children("pathVariable"))
        result.pathVariables.emplace_back(attribute(variable, "name"), attribute(variable, "path"));
    result.files = filesOf(project);
    return result;
}
