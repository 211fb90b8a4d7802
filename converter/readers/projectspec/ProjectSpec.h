#ifndef KORRIN_PROJECT_SPEC_H
#define KORRIN_PROJECT_SPEC_H

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include <pugixml.hpp>

// A <file> of a .projectspec: what CCS copies or links into the project
// when it imports the file.
struct SpecFile {
    std::string path;                         // as written
    bool excluded = false;                    // excludeFromBuild
    std::vector<std::string> configurations;  // applicableConfigurations; none: all
};

struct SpecConfiguration {
    std::string name;
    std::string compilerOptions;  // compilerBuildOptions, a command line
};

// A TI SDK example's .projectspec, its values as written.
struct ProjectSpec {
    std::string name;
    std::string device;
    std::string deviceCore;
    std::string deviceFamily;  // of <applicability>
    std::string toolChain;     // "TI", "TICLANG" or "GNU"
    std::string compilerVersion;  // cgtVersion
    std::string compilerOptions;  // the project's compilerBuildOptions
    std::string products;         // 'com.ti.OPEN_PRU', 'sysconfig:1.24.0;C2000WARE'
    std::vector<SpecConfiguration> configurations;  // of <configuration>, else of configurations=
    std::vector<std::pair<std::string, std::string>> pathVariables;  // name, path
    std::vector<SpecFile> files;
};

// The <projectSpec>'s <project>; nothing when the document holds none.
std::optional<ProjectSpec> readProjectSpec(const pugi::xml_document& document);

#endif
