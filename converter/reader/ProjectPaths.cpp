#include "reader/ProjectPaths.h"

#include <algorithm>

namespace {

struct LeadingMacro {
    std::string text;  // as written, "$(NAME)" or "%NAME%"
    std::string name;
    bool isBuildForm;
};

// The macro a path begins with, if any.
bool leadingMacro(const std::string& path, LeadingMacro& macro) {
    bool buildForm = path.compare(0, 2, "$(") == 0;
    if (!buildForm && path.compare(0, 1, "%") != 0)
        return false;
    std::string::size_type nameStart = buildForm ? 2 : 1;
    std::string::size_type close = path.find(buildForm ? ')' : '%', nameStart);
    if (close == std::string::npos || close == nameStart)
        return false;
    macro = {path.substr(0, close + 1), path.substr(nameStart, close - nameStart), buildForm};
    return true;
}

}  // namespace

std::string upperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](char c) { return c >= 'a' && c <= 'z' ? char(c - 'a' + 'A') : c; });
    return text;
}

ProjectPaths::ProjectPaths(const std::string& projectFolder, const BuildMacros& macros)
    : projectFolder(projectFolder), macros(macros) {}

std::string ProjectPaths::resolveSourcePath(const std::string& path) {
    LeadingMacro macro;
    if (leadingMacro(path, macro)) {
        std::string rest = path.substr(macro.text.size());
        BuildMacros::const_iterator value = macros.find(upperCase(macro.name));
        if (value != macros.end())
            return value->second + rest;
        if (macro.isBuildForm && upperCase(macro.name) == "PROJ_DIR")
            return projectFolder + rest;
        noteUnresolved(macro.text);
        return path;
    }
    if (path.find(':') != std::string::npos)
        return path;
    return projectFolder + "\\" + path;
}

void ProjectPaths::noteUnresolved(const std::string& macro) {
    std::string key = upperCase(macro);
    if (std::none_of(unresolved.begin(), unresolved.end(),
                     [&](const std::string& known) { return upperCase(known) == key; }))
        unresolved.push_back(macro);
}

bool hasAcceptedExtension(const std::string& path, const std::list<std::string>& extensions) {
    if (extensions.empty())
        return true;
    std::string::size_type dot = path.rfind('.');
    std::string extension = upperCase(dot == std::string::npos ? path : path.substr(dot + 1));
    return std::any_of(extensions.begin(), extensions.end(),
                       [&](const std::string& entry) { return upperCase(entry) == extension; });
}
