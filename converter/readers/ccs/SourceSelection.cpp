#include "readers/ccs/SourceSelection.h"

#include <algorithm>
#include <set>

#include "base/Extensions.h"
#include "base/PathText.h"

namespace {

// The extensions of the sources CCS's makefiles compile (C, C++, C2000
// CLA, TI and GNU assembly, C6000 linear assembly, and the suffixes of
// older compilers) and of headers.
const std::set<std::string> sourceAndHeaderExtensions{
    "C",   "CC",  "CPP", "CXX", "C++", "CLA", "ASM", "S",   "SA",  "H",   "HH",  "HPP", "HXX",
    "H++", "C43", "C55", "C62", "C64", "C67", "S43", "S55", "S62", "S64", "S67"};

// Whether path is item or lies below it.
bool isAtOrBelow(const std::string& path, const std::string& item) {
    return path.compare(0, item.size(), item) == 0 && (path.size() == item.size() || path[item.size()] == '/');
}

}  // namespace

bool isCcsSourceOrHeader(const std::string& name) {
    const std::string::size_type dot = name.rfind('.');
    const std::string::size_type slash = name.rfind('/');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return false;
    return sourceAndHeaderExtensions.count(upperCase(name.substr(dot + 1))) != 0;
}

bool isSourceOf(const std::string& name, const CdtConfiguration& configuration) {
    for (const std::string& excluded : configuration.excludedResources)
        if (isAtOrBelow(name, excluded))
            return false;
    if (configuration.sourceEntries.empty())
        return true;
    const SourceEntry* deepest = nullptr;
    for (const SourceEntry& entry : configuration.sourceEntries)
        if ((entry.folder.empty() || isAtOrBelow(name, entry.folder)) &&
            (deepest == nullptr || entry.folder.size() > deepest->folder.size()))
            deepest = &entry;
    if (deepest == nullptr)
        return false;
    const std::string relative = deepest->folder.empty() ? name : name.substr(deepest->folder.size() + 1);
    return std::none_of(deepest->excluding.begin(), deepest->excluding.end(),
                        [&](const std::string& excluded) { return isAtOrBelow(relative, excluded); });
}

const ResourceSettings* resourceSettingsOf(const std::string& name, const CdtConfiguration& configuration) {
    const ResourceSettings* nearest = nullptr;
    for (const ResourceSettings& settings : configuration.resourceSettings) {
        if (settings.isFile ? name != settings.resource : !isAtOrBelow(name, settings.resource))
            continue;
        if (settings.isFile)
            return &settings;
        if (nearest == nullptr || settings.resource.size() > nearest->resource.size())
            nearest = &settings;
    }
    return nearest;
}

bool isAcceptedFile(const std::string& name, const std::list<std::string>& extensions) {
    return extensions.empty() ? isCcsSourceOrHeader(name) : hasAcceptedExtension(name, extensions);
}
