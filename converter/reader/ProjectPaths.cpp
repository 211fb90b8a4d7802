#include "reader/ProjectPaths.h"

#include <algorithm>

namespace {

struct LeadingMacro {
    std::string text;  // as written, "$(NAME)" or "%NAME%"
    std::string name;
    bool isBuildForm;
};

// Every source line makes a path: built in one allocation.
std::string joined(const std::string& folder, const char* separator, const std::string& path,
                   std::string::size_type from) {
    std::string result;
    result.reserve(folder.size() + 1 + path.size() - from);
    result.append(folder).append(separator).append(path, from, std::string::npos);
    return result;
}

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
        const std::string* value = macroValue(macro.name, macro.isBuildForm);
        if (value == nullptr) {
            noteUnresolved(macro.text);
            return path;
        }
        return joined(*value, "", path, macro.text.size());
    }
    if (path.find(':') != std::string::npos)
        return path;
    return joined(projectFolder, "\\", path, 0);
}

const std::string* ProjectPaths::macroValue(const std::string& name, bool isBuildForm) const {
    const std::string key = upperCase(name);
    BuildMacros::const_iterator value = macros.find(key);
    if (value != macros.end())
        return &value->second;
    if (isBuildForm && key == "PROJ_DIR")
        return &projectFolder;
    return nullptr;
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
