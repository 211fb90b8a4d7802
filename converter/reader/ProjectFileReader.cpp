#include "reader/ProjectFileReader.h"

#include <optional>
#include <utility>
#include <vector>

#include "ProjectConverter.h"
#include "host/Host.h"
#include "model/Folders.h"
#include "model/GroupFolders.h"
#include "reader/CompilerOptions.h"
#include "reader/FolderTree.h"
#include "reader/LineKinds.h"
#include "reader/ProjectPaths.h"

namespace {

// The state of one parse: what the lines say, gathered until the end of the
// file, when the sources are placed.
class ProjectParse {
public:
    ProjectParse(SourceGroup& projectGroup, const ProjectConverter& converter, const std::list<std::string>& extensions)
        : projectGroup(projectGroup),
          converter(converter),
          extensions(extensions),
          paths(folderOf(converter.getSourceProjectPath()), converter.getBuildMacros()),
          currentConfiguration(&projectGroup) {}

    void apply(const std::string& line, const std::string& previousLine);
    void distributeSources();
    const std::vector<std::string>& unresolvedMacros() const { return paths.unresolvedMacros(); }
    // The first folder chain that no host could create, if any.
    const std::optional<IOERROR>& unplaceableSource() const { return unplaceable; }

private:
    SourceGroup* addConfiguration(const std::string& name);
    bool isExcluded(const std::string& configuration, const std::string& source) const;
    void place(SourceGroup& group, const std::string& groupFolder, const std::string& source);

    SourceGroup& projectGroup;
    const ProjectConverter& converter;
    const std::list<std::string>& extensions;
    ProjectPaths paths;
    std::vector<std::string> sources;
    std::vector<std::pair<std::string, std::string>> exclusions;
    SourceGroup* currentConfiguration;
    std::string cpuFamily;
    std::optional<IOERROR> unplaceable;
};

void ProjectParse::apply(const std::string& line, const std::string& previousLine) {
    switch (classifyLine(line)) {
    case LineKind::CpuFamily:
        cpuFamily = cpuFamilyValue(line);
        projectGroup.defineMacro("CPUFamily", cpuFamily);
        break;
    case LineKind::Source: {
        std::string path = sourcePath(line);
        if (path.empty())
            break;
        std::string source = paths.resolveSourcePath(path);
        if (hasAcceptedExtension(source, extensions))
            sources.push_back(source);
        break;
    }
    case LineKind::CompilerSettings:
        currentConfiguration = addConfiguration(configurationName(line));
        break;
    case LineKind::LinkerSettings:
        currentConfiguration = nullptr;
        break;
    case LineKind::Options:
        if (currentConfiguration != nullptr)
            translateCompilerOptions(line, *currentConfiguration, cpuFamily, paths);
        break;
    case LineKind::Exclusion: {
        ExclusionFields fields = exclusionFields(line, previousLine);
        if (!fields.configuration.empty() && !fields.file.empty())
            exclusions.emplace_back(fields.configuration, paths.resolveSourcePath(fields.file));
        break;
    }
    case LineKind::ProjectName:
    case LineKind::Other:
        break;
    }
}

SourceGroup* ProjectParse::addConfiguration(const std::string& name) {
    SourceGroup configuration(name, &converter);
    configuration.setSourceFolder(projectGroup.getSourceFolder());
    return &projectGroup.addChild(std::move(configuration));
}

bool ProjectParse::isExcluded(const std::string& configuration, const std::string& source) const {
    for (const auto& exclusion : exclusions)
        if (exclusion.first == configuration && exclusion.second == source)
            return true;
    return false;
}

void ProjectParse::place(SourceGroup& group, const std::string& groupFolder, const std::string& source) {
    if (!converter.getReplicateSourceTree()) {
        group.addFile(source);
        return;
    }
    // The run fails then, but only once every group name has been seen: a
    // name that leaves the destination must be refused as such.
    try {
        placeInFolderTree(group, source, &converter, groupFolder);
    } catch (const IOERROR& tooDeep) {
        if (!unplaceable)
            unplaceable = tooDeep;
    }
}

void ProjectParse::distributeSources() {
    auto fill = [this](SourceGroup& group, const std::string& path) {
        const std::string folder = groupFolder(converter.getDestinationFolder(), path);
        for (const std::string& source : sources)
            if (!isExcluded(group.getName(), source))
                place(group, folder, source);
    };
    const std::string rootPath = groupPath(std::string(), projectGroup.getName());
    if (projectGroup.getChildren().empty()) {
        fill(projectGroup, rootPath);
        return;
    }
    for (SourceGroup& configuration : projectGroup.getChildren())
        fill(configuration, groupPath(rootPath, configuration.getName()));
}

}  // namespace

void ProjectFileReader::openFile(const std::string& path) {
    filePath = path;
    if (!host::openForReading(input, path))
        throw AsciiReaderError{2};
}

bool ProjectFileReader::readLine(std::string& line) {
    if (!std::getline(input, line))
        return false;
    // A CR that ends a CR LF pair goes with the line end; the last line of a
    // file has no line end to go with.
    if (!input.eof())
        line = withoutTrailingCr(std::move(line));
    return true;
}

bool ProjectFileReader::parseProject() {
    ProjectParse parse(*projectGroup, *converter, extensions);
    std::string line;
    std::string previousLine;
    while (readLine(line)) {
        parse.apply(line, previousLine);
        previousLine = line;
    }
    input.close();
    input.clear();
    parse.distributeSources();
    converter->setUnresolvedMacros(parse.unresolvedMacros());
    if (parse.unplaceableSource()) {
        refuseGroupsOutside(*projectGroup);
        throw *parse.unplaceableSource();
    }
    return true;
}
