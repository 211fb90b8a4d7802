#include "writers/cdb/TranslationUnits.h"

#include <map>
#include <optional>
#include <set>
#include <string_view>

#include "writers/corvel/GroupFolders.h"
#include "writers/corvel/Personalities.h"

namespace {

// Walks the tree as the .prj writer does, so that every file gets the
// settings of the analyser personality its group names.
class UnitCollector {
public:
    UnitCollector(const Project& project, const CorvelOptions& options) : project(project), options(options) {}
    std::vector<Configuration> configurations();

private:
    AnalyserPersonality locate(const SourceGroup& group, const std::string& parentPath, const std::string& inherited);
    void collect(const SourceGroup& group, const std::string& parentPath, const std::string& inherited,
                 Configuration& configuration, std::set<std::string_view>& seen);

    const Project& project;
    const CorvelOptions& options;
    std::map<std::string, const SourceGroup*> ownersOfPersonalities;
};

AnalyserPersonality UnitCollector::locate(const SourceGroup& group, const std::string& parentPath,
                                          const std::string& inherited) {
    AnalyserPersonality personality = locateAnalyserPersonality(group, parentPath, inherited, options);
    if (group.hasOwnSettings())
        ownersOfPersonalities[personality.path] = &group;
    return personality;
}

void UnitCollector::collect(const SourceGroup& group, const std::string& parentPath, const std::string& inherited,
                            Configuration& configuration, std::set<std::string_view>& seen) {
    if (group.isEmpty())
        return;
    AnalyserPersonality personality = locate(group, parentPath, inherited);
    auto owner = ownersOfPersonalities.find(personality.path);
    const SourceGroup* settings = owner == ownersOfPersonalities.end() ? nullptr : owner->second;
    for (SourceIndex source : group.getFiles()) {
        const std::string_view file = project.paths[source];
        std::optional<Language> language = languageOf(file);
        if (language == Language::Cla && configuration.target->compiler == Compiler::Unknown)
            continue;
        if (language && seen.insert(file).second)
            configuration.units.push_back({std::string(file), *language, settings});
    }
    for (const SourceGroup& child : group.getChildren())
        collect(child, groupPath(parentPath, group.getName()), personality.handedDown, configuration, seen);
}

std::vector<Configuration> UnitCollector::configurations() {
    const SourceGroup& root = project.root;
    const std::string& destination = options.destination;
    const std::string inherited = defaultPersonality(options, ".p_a");
    std::vector<Configuration> result;
    std::set<std::string_view> seen;  // views of the project's PathStore
    if (root.getChildren().empty()) {
        if (!root.isEmpty()) {
            result.push_back({root.getName(), groupFolder(destination, std::string(), root.getName()), &project.target, {}});
            collect(root, std::string(), inherited, result.back(), seen);
        }
        return result;
    }
    const std::string rootPath = groupPath(std::string(), root.getName());
    AnalyserPersonality rootPersonality = locate(root, std::string(), inherited);
    for (const SourceGroup& group : root.getChildren()) {
        if (group.isEmpty())
            continue;
        seen.clear();
        result.push_back(
            {group.getName(), groupFolder(destination, rootPath, group.getName()), &project.targetOf(group.getName()), {}});
        collect(group, rootPath, rootPersonality.handedDown, result.back(), seen);
    }
    return result;
}

}  // namespace

std::vector<Configuration> translationUnits(const Project& project, const CorvelOptions& options) {
    return UnitCollector(project, options).configurations();
}
