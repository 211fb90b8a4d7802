#include "installs/InstallValues.h"

#include <algorithm>

#include "base/PathText.h"
#include "host/Host.h"
#include "installs/Version.h"

namespace {

const char* const listSuffixes[] = {"_INCLUDE_PATH", "_SYMBOLS", "_LIBRARY_PATH", "_LIBRARIES", "_SYSCONFIG_MANIFEST"};
const std::string installDirSuffix = "_INSTALL_DIR";
// CCS names SysConfig's lists so, not after its id.
const std::string sysConfigPrefix = "SYSCONFIG_TOOL";

bool asksForAny(const std::string& version) { return version.empty() || lowerCase(version) == "latest"; }

// Of the installs, in the order found, the one of the version asked for,
// else the nearest newer one, else the newest.
template <class Install>
const Install* chooseVersion(const std::vector<const Install*>& candidates, const std::string& asked) {
    const Install* chosen = nullptr;
    if (!asksForAny(asked)) {
        for (const Install* candidate : candidates)
            if (compareVersions(candidate->version, asked) == 0)
                return candidate;
        for (const Install* candidate : candidates)
            if (compareVersions(candidate->version, asked) > 0 &&
                (chosen == nullptr || compareVersions(candidate->version, chosen->version) < 0))
                chosen = candidate;
    }
    if (chosen != nullptr)
        return chosen;
    for (const Install* candidate : candidates)
        if (chosen == nullptr || compareVersions(candidate->version, chosen->version) > 0)
            chosen = candidate;
    return chosen;
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const std::string& item : items)
        text += (text.empty() ? "" : ";") + item;
    return text;
}

bool sameLetters(const std::string& a, const std::string& b) { return upperCase(a) == upperCase(b); }

// Where the rest of a path below another machine's TI folder starts:
// 'C:\ti\rest', '\Applications\ti\rest', '\opt\ti\rest', '\home\me\ti\rest',
// '\Users\me\ti\rest'; npos when it lies in none.
std::size_t restBelowTiFolder(const std::vector<std::string>& parts) {
    auto isTi = [&](std::size_t at) { return at < parts.size() && sameLetters(parts[at], "ti"); };
    if (parts.size() >= 2 && parts[0].size() == 2 && parts[0][1] == ':' && isTi(1))
        return 2;
    if (parts.empty() || !parts[0].empty())
        return std::string::npos;
    if ((parts.size() > 1 && (parts[1] == "Applications" || parts[1] == "opt")) && isTi(2))
        return 3;
    if (parts.size() > 2 && (parts[1] == "home" || parts[1] == "Users") && isTi(3))
        return 4;
    return std::string::npos;
}

std::vector<std::string> partsOf(std::string path) {
    toNativeSeparators(path);
    std::vector<std::string> parts;
    for (std::string::size_type start = 0;;) {
        const std::string::size_type slash = path.find('\\', start);
        parts.push_back(path.substr(start, slash - start));
        if (slash == std::string::npos)
            return parts;
        start = slash + 1;
    }
}

}  // namespace

std::vector<ProductRequest> productRequests(std::string_view list) {
    std::vector<ProductRequest> requests;
    for (std::string_view::size_type start = 0; start < list.size();) {
        const std::string_view::size_type end = std::min(list.find_first_of(";,", start), list.size());
        const std::string item = trimmed(list.substr(start, end - start));
        const std::string::size_type colon = item.find(':');
        if (!item.empty() && colon != 0)
            requests.push_back({trimmed(item.substr(0, colon)),
                                colon == std::string::npos ? std::string() : trimmed(item.substr(colon + 1))});
        start = end + 1;
    }
    return requests;
}

InstallValues::InstallValues(const TiInstalls& installs, std::vector<ProductRequest> requests)
    : installs(installs), requests(std::move(requests)) {}

void InstallValues::setCompiler(std::string compilerFamily, std::string compilerVersion) {
    family = std::move(compilerFamily);
    version = std::move(compilerVersion);
}

const CompilerInstall* InstallValues::compiler() {
    std::vector<const CompilerInstall*> candidates;
    for (const CompilerInstall& install : installs.compilers)
        if (!family.empty() && install.family == family)
            candidates.push_back(&install);
    const CompilerInstall* chosen = chooseVersion(candidates, version);
    if (chosen != nullptr)
        noteVersion(family + " compiler", chosen->version, version);
    return chosen;
}

const CcsInstall* InstallValues::ccs() {
    const CompilerInstall* holder = compiler();
    std::vector<const CcsInstall*> candidates;
    for (const CcsInstall& install : installs.ccsInstalls) {
        if (holder != nullptr && install.folder == holder->ccsFolder)
            return &install;
        candidates.push_back(&install);
    }
    return chooseVersion(candidates, std::string());
}

const ProductInstall* InstallValues::productFor(const std::string& prefix) {
    std::vector<const ProductInstall*> candidates;
    for (const ProductInstall& install : installs.products)
        if (upperCase(install.macroPrefix) == prefix || (prefix == sysConfigPrefix && sameLetters(install.id, "sysconfig")))
            candidates.push_back(&install);
    std::string asked;
    for (const ProductRequest& request : requests)
        for (const ProductInstall* candidate : candidates)
            if (sameLetters(request.id, candidate->id) && asked.empty())
                asked = request.version;
    const ProductInstall* chosen = chooseVersion(candidates, asked);
    if (chosen != nullptr)
        noteVersion(chosen->id, chosen->version, asked);
    return chosen;
}

std::optional<std::string> InstallValues::valueOf(const std::string& name) {
    std::optional<std::string> value;
    if (name == "CG_TOOL_ROOT" || name == "CG_TOOL_INCLUDE_PATH") {
        if (const CompilerInstall* install = compiler())
            value = install->folder + (name == "CG_TOOL_ROOT" ? "" : "\\include");
    } else if (name == "CCS_INSTALL_ROOT" || name == "CCS_BASE_ROOT") {
        if (const CcsInstall* install = ccs())
            value = install->folder + (name == "CCS_INSTALL_ROOT" ? "" : "\\ccs_base");
    } else if (endsWith(name, installDirSuffix)) {
        if (const ProductInstall* product = productFor(name.substr(0, name.size() - installDirSuffix.size())))
            value = product->folder;
    }
    if (value)
        noteFound(name, *value);
    return value;
}

std::optional<std::vector<std::string>> InstallValues::listOf(const std::string& name) {
    for (const std::string suffix : listSuffixes) {
        if (!endsWith(name, suffix))
            continue;
        const ProductInstall* product = productFor(name.substr(0, name.size() - suffix.size()));
        if (product == nullptr)
            return std::nullopt;
        std::vector<std::string> items;
        if (suffix == "_SYMBOLS")
            items = product->symbols;
        else if (suffix == "_INCLUDE_PATH")
            for (std::string folder : product->includePaths) {
                toNativeSeparators(folder);
                items.push_back(isRootedPath(folder) || startsWith(folder, "${") ? folder : product->folder + "\\" + folder);
            }
        noteFound(name, joined(items));
        return items;
    }
    return std::nullopt;
}

std::optional<std::string> InstallValues::relocated(const std::string& path) const {
    const std::vector<std::string> parts = partsOf(path);
    const std::size_t rest = restBelowTiFolder(parts);
    if (rest == std::string::npos || rest >= parts.size() || host::exists(path))
        return std::nullopt;
    std::string below;
    for (std::size_t at = rest; at < parts.size(); ++at)
        below += "\\" + parts[at];
    for (const std::string& folder : installs.tiFolders)
        if (host::exists(folder + below))
            return folder + below;
    return std::nullopt;
}

void InstallValues::noteFound(const std::string& name, const std::string& value) {
    const MacroValue found{"${" + name + "}", value};
    if (std::none_of(foundValues.begin(), foundValues.end(), [&](const MacroValue& known) {
            return known.name == found.name && known.value == found.value;
        }))
        foundValues.push_back(found);
}

void InstallValues::noteVersion(const std::string& what, const std::string& taken, const std::string& asked) {
    if (asksForAny(asked) || compareVersions(taken, asked) == 0)
        return;
    const std::string note = what + " " + taken + " for " + asked;
    if (std::find(notes.begin(), notes.end(), note) == notes.end())
        notes.push_back(note);
}
