#include "readers/ccs/CcsVariables.h"

#include <algorithm>
#include <cctype>

#include "base/PathText.h"
#include "host/Host.h"
#include "model/Families.h"

namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

// Eclipse writes URIs: "%7B" for "{", "%20" for a blank.
std::string percentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && hexDigit(text[i + 1]) >= 0 && hexDigit(text[i + 2]) >= 0) {
            decoded += static_cast<char>(hexDigit(text[i + 1]) * 16 + hexDigit(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

// 'file:/C:/ti' is 'C:/ti', 'file:/home/ti' is '/home/ti'.
std::string withoutFileScheme(std::string path) {
    if (path.compare(0, 5, "file:") != 0)
        return path;
    path.erase(0, 5);
    if (path.size() >= 3 && path[0] == '/' && path[2] == ':')
        path.erase(0, 1);
    return path;
}

// The folder n levels above path.
std::string parentFolder(std::string path, unsigned levels) {
    toNativeSeparators(path);
    for (; levels > 0; --levels) {
        while (path.size() > 1 && path.back() == '\\')
            path.pop_back();
        std::string::size_type slash = path.rfind('\\');
        if (slash == std::string::npos)
            return path;
        path.erase(slash == 0 ? 1 : slash);
    }
    return path;
}

// The end of the "${...}" that starts at open, inner ones skipped; npos when
// it is not closed.
std::string::size_type closingBrace(std::string_view text, std::string::size_type open) {
    int depth = 0;
    for (std::string::size_type at = open; at < text.size(); ++at) {
        if (text.compare(at, 2, "${") == 0) {
            ++depth;
            ++at;
        } else if (text[at] == '}' && --depth == 0) {
            return at;
        }
    }
    return std::string::npos;
}

}  // namespace

std::string buildFolderOf(const std::string& projectFolder, const std::string& configuration) {
    return projectFolder + "\\" + configuration;
}

CcsVariables::CcsVariables(std::string projectFolder, std::string projectName, const BuildMacros& given,
                           InstallValues& installs, const WorkspaceProjects& workspace)
    : projectFolder(std::move(projectFolder)),
      projectName(std::move(projectName)),
      given(given),
      installs(installs),
      workspace(workspace) {}

void CcsVariables::definePathVariable(const std::string& name, const std::string& value) {
    pathVariables.emplace(name, value);
}

void CcsVariables::setConfiguration(const std::string& name,
                                    std::vector<std::pair<std::string, std::string>> variables) {
    configuration = name;
    buildVariables = std::move(variables);
}

void CcsVariables::setCompiler(InstructionSet instructionSet, Compiler compiler, const std::string& version) {
    installs.setCompiler(compilerFolderFamily(instructionSet, compiler), version);
}

std::string CcsVariables::expand(std::string_view written) {
    const std::string text = written.find("$%7B") == std::string_view::npos ? std::string(written)
                                                                            : percentDecoded(written);
    std::string expanded;
    std::string::size_type at = 0;
    for (std::string::size_type open; (open = text.find("${", at)) != std::string::npos;) {
        const std::string::size_type close = closingBrace(text, open);
        if (close == std::string::npos)
            break;
        expanded.append(text, at, open - at);
        const std::string name = expand(std::string_view(text).substr(open + 2, close - open - 2));
        if (std::optional<std::string> value = valueOf(name)) {
            expanded += *value;
        } else if (std::optional<std::vector<std::string>> items = installs.listOf(name)) {
            for (std::size_t i = 0; i < items->size(); ++i)
                expanded += (i == 0 ? "" : " ") + (*items)[i];
        } else {
            noteUnresolved(name);
            expanded += "${" + name + "}";
        }
        at = close + 1;
    }
    return expanded.append(text, at, std::string::npos);
}

std::optional<std::vector<std::string>> CcsVariables::expandList(std::string_view text) {
    const std::string whole = trimmed(text);
    if (!startsWith(whole, "${") || whole.back() != '}' || whole.find("${", 2) != std::string::npos)
        return std::nullopt;
    const std::string name = whole.substr(2, whole.size() - 3);
    if (given.count(upperCase(name)) != 0 || valueOf(name))
        return std::nullopt;
    std::optional<std::vector<std::string>> items = installs.listOf(name);
    if (items)
        for (std::string& item : *items)
            item = expand(item);
    return items;
}

std::string CcsVariables::onThisMachine(const std::string& path) {
    if (std::optional<std::string> relocated = installs.relocated(path))
        return *relocated;
    return belowProject(path).value_or(path);
}

std::optional<std::string> CcsVariables::belowProject(const std::string& path) {
    if (!isRootedPath(path) || startsWith(path, projectFolder) || host::exists(path))
        return std::nullopt;
    for (std::string::size_type at = path.find('\\'); at != std::string::npos; at = path.find('\\', at + 1)) {
        const std::string::size_type end = std::min(path.find('\\', at + 1), path.size());
        if (path.compare(at + 1, end - at - 1, projectName) != 0)
            continue;
        const std::string here = projectFolder + path.substr(end);
        if (!host::exists(here))
            continue;
        if (std::none_of(inProject.begin(), inProject.end(), [&](const MacroValue& known) { return known.name == path; }))
            inProject.push_back({path, here});
        return here;
    }
    return std::nullopt;
}

std::string CcsVariables::sysconfigFolder() {
    const std::string folder = buildFolderOf(projectFolder, configuration) + "\\syscfg";
    if (!host::isDirectory(folder) && std::find(ungenerated.begin(), ungenerated.end(), folder) == ungenerated.end())
        ungenerated.push_back(folder);
    return folder;
}

std::optional<std::string> CcsVariables::linkLocation(std::string_view uri) {
    std::string path = withoutFileScheme(percentDecoded(uri));
    if (path.compare(0, 8, "virtual:") == 0)
        return std::nullopt;
    toNativeSeparators(path);
    if (path.find("${") != std::string::npos) {
        path = expand(path);
    } else if (!path.empty() && !isRootedPath(path)) {
        // 'VAR\rest': the first folder names a path variable.
        const std::string::size_type slash = path.find('\\');
        const std::string name = path.substr(0, slash);
        if (std::optional<std::string> value = valueOf(name))
            path = *value + (slash == std::string::npos ? "" : path.substr(slash));
        else
            noteUnresolved(name);
    }
    toNativeSeparators(path);
    return onThisMachine(foldedPath(path));
}

bool CcsVariables::hasUnresolved(std::string_view text) const { return text.find("${") != std::string_view::npos; }

std::optional<std::string> CcsVariables::valueOf(const std::string& name) {
    const auto known = given.find(upperCase(name));
    if (known != given.end())
        return known->second;
    if (std::find(inProgress.begin(), inProgress.end(), name) != inProgress.end())
        return std::nullopt;
    inProgress.push_back(name);
    std::optional<std::string> value = ownValueOf(name);
    inProgress.pop_back();
    return value ? value : installs.valueOf(name);
}

std::optional<std::string> CcsVariables::ownValueOf(const std::string& name) {
    if (name.compare(0, 7, "PARENT-") == 0) {
        const std::string::size_type dash = name.find('-', 7);
        const std::string levels = name.substr(7, dash == std::string::npos ? 0 : dash - 7);
        if (levels.empty() || levels.find_first_not_of("0123456789") != std::string::npos || levels.size() > 4)
            return std::nullopt;
        std::optional<std::string> base = valueOf(name.substr(dash + 1));
        return base ? std::optional<std::string>(parentFolder(*base, std::stoul(levels))) : std::nullopt;
    }
    if (name.compare(0, 14, "workspace_loc:") == 0) {
        std::string path = name.substr(14);
        toNativeSeparators(path);
        const std::string::size_type start = path.find_first_not_of('\\');
        const std::string::size_type end = path.find('\\', start);
        if (start == std::string::npos)
            return std::nullopt;
        const std::string rest = end == std::string::npos ? "" : path.substr(end);
        const std::string owner = path.substr(start, end - start);
        if (owner == projectName)
            return projectFolder + rest;
        const std::string* other = workspaceFolderOf(workspace, owner);
        return other == nullptr ? std::nullopt : std::optional<std::string>(*other + rest);
    }
    if (name == "PROJECT_ROOT" || name == "PROJECT_LOC" || name == "ProjDirPath")
        return projectFolder;
    if (name == "ProjName")
        return projectName;
    if (name == "PARENT_LOC")
        return folderOf(projectFolder);
    if (!configuration.empty() && name == "ConfigName")
        return configuration;
    if (!configuration.empty() && (name == "BuildDirectory" || name == "PROJECT_BUILD_DIR"))
        return buildFolderOf(projectFolder, configuration);
    if (!configuration.empty() && name == "SYSCONFIG_TOOL_INCLUDE_PATH")
        return sysconfigFolder();
    for (const auto& [variable, value] : buildVariables) {
        if (variable != name)
            continue;
        std::string expanded = expand(value);
        checkOwnPath(name, expanded);
        return expanded;
    }
    const auto pathVariable = pathVariables.find(name);
    if (pathVariable == pathVariables.end())
        return std::nullopt;
    std::string expanded = expand(withoutFileScheme(percentDecoded(pathVariable->second)));
    checkOwnPath(name, expanded);
    return expanded;
}

void CcsVariables::checkOwnPath(const std::string& name, const std::string& value) {
    if (!checkedOwn.insert(name).second)
        return;
    std::string path = value;
    toNativeSeparators(path);
    if (hasUnresolved(path) || (isRootedPath(path) && !host::exists(onThisMachine(path))))
        missingOwn.push_back({"${" + name + "}", path});
}

void CcsVariables::noteUnresolved(const std::string& name) {
    const std::string written = "${" + name + "}";
    if (std::find(unresolvedNames.begin(), unresolvedNames.end(), written) == unresolvedNames.end())
        unresolvedNames.push_back(written);
}
