#include "readers/eclipse/CdtConfigurations.h"

#include <string_view>

#include "base/PathText.h"
#include "readers/ccs/CompilerFlags.h"
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
// compilerRelease), and a file's or folder's own one after it with a number
// added; its options '...compilerID.KEY'.
bool isCompiler(std::string_view superClass) { return superClass.find(".compiler") != std::string_view::npos; }

// What the compiler among tools gives; nothing for an option it leaves out.
struct CompilerOptions {
    std::string superClass;
    std::optional<std::vector<std::string>> includePaths;
    std::optional<std::vector<std::string>> defines;
    std::vector<std::string> flags;
    std::vector<std::string> optionFiles;
    std::vector<std::string> preincludes;
};

void appendSettings(std::vector<std::string>& list, const pugi::xml_node& option) {
    for (std::string& setting : optionSettings(option))
        if (!setting.empty())
            list.push_back(std::move(setting));
}

CompilerOptions compilerOptions(const pugi::xml_node& tools) {
    CompilerOptions compiler;
    for (const pugi::xml_node& tool : tools.children("tool")) {
        const std::string_view superClass = tool.attribute("superClass").as_string();
        if (!isCompiler(superClass))
            continue;
        compiler.superClass = std::string(superClass);
        for (const pugi::xml_node& option : tool.children("option")) {
            const std::string_view key = option.attribute("superClass").as_string();
            if (endsWith(key, ".INCLUDE_PATH"))
                compiler.includePaths = listValues(option);
            else if (endsWith(key, ".DEFINE"))
                compiler.defines = listValues(option);
            else if (endsWith(key, ".CMD_FILE"))
                appendSettings(compiler.optionFiles, option);
            else if (endsWith(key, ".PREINCLUDE"))
                appendSettings(compiler.preincludes, option);
            for (std::string& flag : compilerFlags(option))
                compiler.flags.push_back(std::move(flag));
        }
        break;
    }
    return compiler;
}

// The tool chain's own options name the compiler's version, the device and
// the products.
void readToolChainOptions(const pugi::xml_node& toolChain, CdtConfiguration& configuration) {
    const std::string deviceTag = "DEVICE_CONFIGURATION_ID=";
    const std::string productsTag = "PRODUCTS=";
    for (const pugi::xml_node& option : toolChain.children("option")) {
        const std::string_view key = option.attribute("superClass").as_string();
        if (endsWith(key, ".OPT_CODEGEN_VERSION"))
            configuration.compilerVersion = trimmed(option.attribute("value").as_string());
        else if (endsWith(key, ".OPT_TAGS"))
            for (const std::string& tag : listValues(option)) {
                if (startsWith(tag, deviceTag))
                    configuration.device = trimmed(std::string_view(tag).substr(deviceTag.size()));
                else if (startsWith(tag, productsTag))
                    configuration.products = tag.substr(productsTag.size());
            }
    }
}

void readCompiler(const pugi::xml_node& toolChain, CdtConfiguration& configuration) {
    CompilerOptions compiler = compilerOptions(toolChain);
    configuration.compiler = std::move(compiler.superClass);
    configuration.includePaths = compiler.includePaths.value_or(std::vector<std::string>());
    configuration.defines = compiler.defines.value_or(std::vector<std::string>());
    configuration.compilerFlags = std::move(compiler.flags);
    configuration.optionFiles = std::move(compiler.optionFiles);
    configuration.preincludes = std::move(compiler.preincludes);
    readToolChainOptions(toolChain, configuration);
}

// Most files and folders with settings of their own repeat the
// configuration's (CCS leaves them once its properties page was opened).
void readResourceSettings(const pugi::xml_node& tools, std::string resource, bool isFile,
                          CdtConfiguration& configuration) {
    CompilerOptions compiler = compilerOptions(tools);
    if ((!compiler.includePaths || *compiler.includePaths == configuration.includePaths) &&
        (!compiler.defines || *compiler.defines == configuration.defines))
        return;
    configuration.resourceSettings.push_back(
        {std::move(resource), isFile, std::move(compiler.includePaths), std::move(compiler.defines)});
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
            for (const pugi::xml_node& folder : build.children("folderInfo"))
                if (!std::string_view(folder.attribute("resourcePath").as_string()).empty())
                    readResourceSettings(folder.child("toolChain"), folder.attribute("resourcePath").as_string(), false,
                                         configuration);
            for (const pugi::xml_node& file : build.children("fileInfo"))
                readResourceSettings(file, file.attribute("resourcePath").as_string(), true, configuration);
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
        // CDT 3.1 gives files, not folders, settings of their own.
        for (const pugi::xml_node& resource : build.children("resourceConfiguration")) {
            const std::string path = resource.attribute("resourcePath").as_string();
            if (path.compare(0, prefix.size(), prefix) != 0)
                continue;
            if (resource.attribute("exclude").as_bool())
                configuration.excludedResources.push_back(path.substr(prefix.size()));
            else
                readResourceSettings(resource, path.substr(prefix.size()), true, configuration);
        }
        configurations.push_back(std::move(configuration));
    }
    return configurations;
}
