#include "readers/pjt/PjtPaths.h"

#include <algorithm>

#include "base/PathText.h"

namespace {

struct LeadingMacro {
    std::string text;  // as written, "$(NAME)" or "%NAME%"
    std::string name;
    bool isBuildForm;
};

// The macro a path begins with, if any.
bool leadingMacro(std::string_view path, LeadingMacro& macro) {
    bool buildForm = path.compare(0, 2, "$(") == 0;
    if (!buildForm && path.compare(0, 1, "%") != 0)
        return false;
    std::string_view::size_type nameStart = buildForm ? 2 : 1;
    std::string_view::size_type close = path.find(buildForm ? ')' : '%', nameStart);
    if (close == std::string_view::npos || close == nameStart)
        return false;
    macro = {std::string(path.substr(0, close + 1)), std::string(path.substr(nameStart, close - nameStart)), buildForm};
    return true;
}

}  // namespace

PjtPaths::PjtPaths(const std::string& projectFolder, const BuildMacros& macros)
    : projectFolder(projectFolder), macros(macros) {}

std::string PjtPaths::resolveSourcePath(std::string_view path) {
    std::string resolved;
    resolveSourcePath(path, resolved);
    return resolved;
}

void PjtPaths::resolveSourcePath(std::string_view path, std::string& resolved) {
    LeadingMacro macro;
    if (leadingMacro(path, macro)) {
        const std::string* value = macroValue(macro.name, macro.isBuildForm);
        if (value == nullptr) {
            noteUnresolved(macro.text);
            resolved.assign(path);
        } else {
            resolved.assign(*value).append(path.substr(macro.text.size()));
        }
    } else if (path.find(':') != std::string_view::npos) {
        resolved.assign(path);
    } else {
        resolved.assign(projectFolder).append("\\").append(path);
    }
}

const std::string* PjtPaths::macroValue(const std::string& name, bool isBuildForm) const {
    const std::string key = upperCase(name);
    BuildMacros::const_iterator value = macros.find(key);
    if (value != macros.end())
        return &value->second;
    if (isBuildForm && key == "PROJ_DIR")
        return &projectFolder;
    return nullptr;
}

void PjtPaths::noteUnresolved(const std::string& macro) {
    std::string key = upperCase(macro);
    if (std::none_of(unresolved.begin(), unresolved.end(),
                     [&](const std::string& known) { return upperCase(known) == key; }))
        unresolved.push_back(macro);
}
