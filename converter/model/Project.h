#ifndef KORRIN_PROJECT_H
#define KORRIN_PROJECT_H

#include <map>
#include <string>
#include <utility>
#include <vector>

#include "model/PathStore.h"
#include "model/SourceGroup.h"
#include "model/Target.h"

// A variable of a project and a value it takes.
struct MacroValue {
    std::string name;   // as the project writes it: "${CG_TOOL_ROOT}"
    std::string value;  // a list's elements with ";" between them
};

// A project as a reader gives it, whatever its format: the group tree of
// the project and its configurations, the text of every source path, and
// what the writers need besides.
struct Project {
    explicit Project(std::string rootName) : root(std::move(rootName)) {}

    std::string name;    // the project's own, which names the .prj unless "-pn" gives one
    std::string folder;  // the project file's folder, which relative paths start from
    PathStore paths;
    SourceGroup root;
    Target target;  // of every configuration that has none of its own
    std::map<std::string, Target> configurationTargets;  // by configuration name
    std::vector<std::string> unresolvedMacros;  // met at the start of paths, without a value, each once
    std::vector<MacroValue> foundMacros;        // found among TI's installs, each value once, as first met
    // The project's own variables it uses whose value names no file or
    // folder here, or holds a variable without a value; each once.
    std::vector<MacroValue> missingOwnPaths;
    std::vector<std::string> versionNotes;      // installs taken for another version: "MSPM0-SDK 2.09.00.01 for 1.20.0.05"
    // Paths into the project on its author's machine (name) and where they are here (value).
    std::vector<MacroValue> foundInProject;
    std::vector<std::string> ungeneratedFolders;  // of SysConfig, which a build of the project writes

    const Target& targetOf(const std::string& configuration) const {
        auto own = configurationTargets.find(configuration);
        return own == configurationTargets.end() ? target : own->second;
    }
};

#endif
