#ifndef KORRIN_CDT_CONFIGURATIONS_H
#define KORRIN_CDT_CONFIGURATIONS_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

// A source folder of a configuration and what it leaves out: paths relative
// to it, "/" between folders, each a file or a folder.
struct SourceEntry {
    std::string folder;  // relative to the project; empty for the whole project
    std::vector<std::string> excluding;
};

// Include folders or definitions that a file or a folder of the project
// sets for itself in a configuration: an option it gives replaces the
// configuration's, one it does not give is the configuration's.
struct ResourceSettings {
    std::string resource;  // relative to the project, "/" between folders
    bool isFile = false;
    std::optional<std::vector<std::string>> includePaths;
    std::optional<std::vector<std::string>> defines;
};

// A build configuration as .cproject or .cdtbuild give it, its values as
// written.
struct CdtConfiguration {
    std::string name;
    std::string compiler;                   // the compiler tool's superClass
    std::string compilerVersion;            // OPT_CODEGEN_VERSION, such as "15.12.3.LTS"
    std::string device;                     // OPT_TAGS' DEVICE_CONFIGURATION_ID
    std::string products;                   // OPT_TAGS' PRODUCTS: 'MSPM0-SDK:2.5.1.00;sysconfig:1.24.0;'
    std::vector<std::string> compilerFlags;  // see compilerFlags()
    std::vector<std::string> optionFiles;    // compilerID.CMD_FILE, as written
    std::vector<std::string> preincludes;    // compilerID.PREINCLUDE, as written
    std::vector<std::string> includePaths;  // compilerID.INCLUDE_PATH
    std::vector<std::string> defines;       // compilerID.DEFINE
    std::vector<std::pair<std::string, std::string>> buildVariables;  // stringMacro name, value
    std::vector<SourceEntry> sourceEntries;  // none: the whole project is source
    std::vector<std::string> excludedResources;  // relative to the project, "/" between folders
    std::vector<std::string> outputFolders;      // relative to the project
    std::vector<ResourceSettings> resourceSettings;  // those that change include folders or definitions
};

// The configurations of a CDT 4 .cproject, in file order.
std::vector<CdtConfiguration> readCproject(const pugi::xml_document& document);

// The configurations of a CDT 3.1 .cdtbuild of CCS 4.0 and 4.1, in file
// order; its excluded resources name the project first.
std::vector<CdtConfiguration> readCdtbuild(const pugi::xml_document& document, const std::string& projectName);

#endif
