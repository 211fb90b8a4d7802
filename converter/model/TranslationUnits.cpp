#include "model/TranslationUnits.h"

#include <map>
#include <optional>
#include <set>
#include <string_view>

#include "ProjectConverter.h"
#include "model/GroupFolders.h"
#include "model/Personalities.h"
#include "model/SourceGroup.h"
#include "reader/ProjectPaths.h"

namespace {

// TI's compilers take these as C and C++ sources whatever the letter case.
std::optional<Language> languageOf(std::string_view path) {
    std::string_view::size_type dot = path.rfind('.');
    std::string extension = upperCase(std::string(dot == std::string_view::npos ? std::string_view() : path.substr(dot + 1)));
    if (extension == "C")
        return Language::C;
    if (extension == "CC" || extension == "CPP" || extension == "CXX")
        return Language::Cxx;
    return std::nullopt;
}

// Walks the tree as the .prj writer does, so that every file gets the
// settings of the analyser personality its group names.
class UnitCollector {
public:
    explicit UnitCollector(const ProjectConverter& converter) : converter(converter) {}
    std::vector<Configuration> configurations();

private:
    AnalyserPersonality locate(const SourceGroup& group, const std::string& parentPath, const std::string& inherited);
    void collect(const SourceGroup& group, const std::string& parentPath, const std::string& inherited,
                 Configuration& configuration, std::set<std::string_view>& seen);

    const ProjectConverter& converter;
    std::map<std::string, const SourceGroup*> ownersOfPersonalities;
};

AnalyserPersonality UnitCollector::locate(const SourceGroup& group, const std::string& parentPath,
                                          const std::string& inherited) {
    AnalyserPersonality personality = locateAnalyserPersonality(group, parentPath, inherited);
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
    for (std::string_view file : group.getFiles()) {
        std::optional<Language> language = languageOf(file);
        if (language && seen.insert(file).second)
            configuration.units.push_back({std::string(file), *language, settings});
    }
    for (const SourceGroup& child : group.getChildren())
        collect(child, groupPath(parentPath, group.getName()), personality.handedDown, configuration, seen);
}

std::vector<Configuration> UnitCollector::configurations() {
    const SourceGroup& root = converter.getRootGroup();
    const std::string& destination = converter.getDestinationFolder();
    const std::string inherited = defaultPersonality(converter, ".p_a");
    std::vector<Configuration> result;
    std::set<std::string_view> seen;  // views of the converter's PathStore
    if (root.getChildren().empty()) {
        if (!root.isEmpty()) {
            result.push_back({groupFolder(destination, std::string(), root.getName()), {}});
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
        result.push_back({groupFolder(destination, rootPath, group.getName()), {}});
        collect(group, rootPath, rootPersonality.handedDown, result.back(), seen);
    }
    return result;
}

}  // namespace

std::vector<Configuration> translationUnits(const ProjectConverter& converter) {
    return UnitCollector(converter).configurations();
}
