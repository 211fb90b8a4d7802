#include "reader/ProjectFileReader.h"

#include <optional>
#include <unordered_map>
#include <unordered_set>
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
    using Paths = std::unordered_set<std::string>;

    SourceGroup* addConfiguration(const std::string& name);
    void fill(SourceGroup& group, const std::string& path);
    void place(FolderGroups& folders, const std::string& source);

    SourceGroup& projectGroup;
    const ProjectConverter& converter;
    const std::list<std::string>& extensions;
    ProjectPaths paths;
    std::vector<std::string> sources;
    std::unordered_map<std::string, Paths> exclusions;  // by configuration name
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
            exclusions[fields.configuration].insert(paths.resolveSourcePath(fields.file));
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

void ProjectParse::place(FolderGroups& folders, const std::string& source) {
    // The run fails then, but only once every group name has been seen: a
    // name that leaves the destination must be refused as such.
    try {
        folders.place(source);
    } catch (const IOERROR& tooDeep) {
        if (!unplaceable)
            unplaceable = tooDeep;
    }
}

// Gives the group every source it does not exclude.
void ProjectParse::fill(SourceGroup& group, const std::string& path) {
    auto excluded = exclusions.find(group.getName());
    auto isExcluded = [&](const std::string& source) {
        return excluded != exclusions.end() && excluded->second.count(source) != 0;
    };
    if (!converter.getReplicateSourceTree()) {
        for (const std::string& source : sources)
            if (!isExcluded(source))
                group.addFile(source);
        return;
    }
    FolderGroups folders(group, &converter, groupFolder(converter.getDestinationFolder(), path));
    for (const std::string& source : sources)
        if (!isExcluded(source))
            place(folders, source);
}

void ProjectParse::distributeSources() {
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
