#include "readers/ccs/CdtConfigurations.h"

#include <string_view>

#include "readers/ccs/XmlFile.h"

namespace {

// 'a|b|c' split at "|"; no empty items.
std::vector<std::string> splitAtBars(std::string_view text) {
    std::vector<std::string> items;
    for (std::string_view::size_type start = 0; start <= text.size();) {
        const std::string_view::size_type bar = std::min(text.find('|', start), text.size());
        if (bar > start)
            items.emplace_back(text.substr(start, bar - start));
        start = bar + 1;
    }
    return items;
}

std::vector<std::string> listValues(const pugi::xml_node& option) {
    std::vector<std::string> values;
    for (const pugi::xml_node& value : option.children("listOptionValue"))
        values.emplace_back(value.attribute("value").as_string());
    return values;
}

// TI names the compiler tool '...<ISA>_<version>.exe.compilerDebug' (or
// compilerRelease, or a CCS 4 'compiler'); its options '...compilerID.KEY'.
bool isCompiler(std::string_view superClass) {
    const std::string_view::size_type last = superClass.rfind('.');
    return superClass.substr(last + 1).compare(0, 8, "compiler") == 0;
}

void readCompiler(const pugi::xml_node& toolChain, CdtConfiguration& configuration) {
    for (const pugi::xml_node& tool : toolChain.children("tool")) {
        const std::string_view superClass = tool.attribute("superClass").as_string();
        if (!isCompiler(superClass))
            continue;
        configuration.compiler = std::string(superClass);
        for (const pugi::xml_node& option : tool.children("option")) {
            const std::string_view key = option.attribute("superClass").as_string();
            if (endsWith(key, ".INCLUDE_PATH"))
                configuration.includePaths = listValues(option);
            else if (endsWith(key, ".DEFINE"))
                configuration.defines = listValues(option);
        }
        return;
    }
}

void readBuildVariables(const pugi::xml_node& cconfiguration, CdtConfiguration& configuration) {
    for (const pugi::xml_node& module : cconfiguration.children("storageModule"))
        for (const pugi::xml_node& macro : module.child("macros").children("stringMacro"))
            configuration.buildVariables.emplace_back(macro.attribute("name").as_string(),
                                                      macro.attribute("value").as_string());
}

void readEntries(const pugi::xml_node& build, CdtConfiguration& configuration) {
    for (const pugi::xml_node& entry : build.child("sourceEntries").children("entry"))
        if (std::string_view(entry.attribute("kind").as_string()) == "sourcePath")
            configuration.sourceEntries.push_back(
                {entry.attribute("name").as_string(), splitAtBars(entry.attribute("excluding").as_string())});
    for (const pugi::xml_node& entry : build.child("outputEntries").children("entry"))
        configuration.outputFolders.emplace_back(entry.attribute("name").as_string());
}

pugi::xml_node rootFolderInfo(const pugi::xml_node& build) {
    for (const pugi::xml_node& folder : build.children("folderInfo"))
        if (std::string_view(folder.attribute("resourcePath").as_string()).empty())
            return folder;
    return {};
}

}  // namespace

std::vector<CdtConfiguration> readCproject(const pugi::xml_document& document) {
    std::vector<CdtConfiguration> configurations;
    for (const pugi::xml_node& settings : document.child("cproject").children("storageModule")) {
        for (const pugi::xml_node& cconfiguration : settings.children("cconfiguration")) {
            const pugi::xml_node build =
                cconfiguration.find_child_by_attribute("storageModule", "moduleId", "cdtBuildSystem").child("configuration");
            if (!build)
                continue;
            CdtConfiguration configuration;
            configuration.name = build.attribute("name").as_string();
            readCompiler(rootFolderInfo(build).child("toolChain"), configuration);
            readBuildVariables(cconfiguration, configuration);
            readEntries(build, configuration);
            configurations.push_back(std::move(configuration));
        }
    }
    return configurations;
}

std::vector<CdtConfiguration> readCdtbuild(const pugi::xml_document& document, const std::string& projectName) {
    std::vector<CdtConfiguration> configurations;
    const std::string prefix = "/" + projectName + "/";
    for (const pugi::xml_node& build : document.child("ManagedProjectBuildInfo").child("project").children("configuration")) {
        CdtConfiguration configuration;
        configuration.name = build.attribute("name").as_string();
        readCompiler(build.child("toolChain"), configuration);
        for (const pugi::xml_node& resource : build.children("resourceConfiguration")) {
            const std::string path = resource.attribute("resourcePath").as_string();
            if (resource.attribute("exclude").as_bool() && path.compare(0, prefix.size(), prefix) == 0)
                configuration.excludedResources.push_back(path.substr(prefix.size()));
        }
        configurations.push_back(std::move(configuration));
    }
    return configurations;
}
