#include "readers/eclipse/ConfigurationSources.h"

#include <algorithm>

#include "readers/ccs/ToolChains.h"

namespace {

// Whether path is item or lies below it.
bool isAtOrBelow(const std::string& path, const std::string& item) {
    return path.compare(0, item.size(), item) == 0 && (path.size() == item.size() || path[item.size()] == '/');
}

}  // namespace

bool usesTiToolChain(const std::vector<CdtConfiguration>& configurations) {
    return std::any_of(configurations.begin(), configurations.end(), [](const CdtConfiguration& configuration) {
        return compilerOf(configuration.compiler) != Compiler::Unknown;
    });
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
