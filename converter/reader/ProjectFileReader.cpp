#include "reader/ProjectFileReader.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <string_view>
#include <utility>
#include <vector>

#include "ProjectConverter.h"
#include "host/Host.h"
#include "model/Folders.h"
#include "model/GroupFolders.h"
#include "model/PathStore.h"
#include "model/SourceList.h"
#include "reader/CompilerOptions.h"
#include "reader/Exclusions.h"
#include "reader/FolderTree.h"
#include "reader/LineKinds.h"
#include "reader/ProjectPaths.h"

namespace {

// The state of one parse: what the lines say, gathered until the end of the
// file, when the sources are placed.
class ProjectParse {
public:
    ProjectParse(SourceGroup& projectGroup, ProjectConverter& converter, const std::list<std::string>& extensions)
        : projectGroup(projectGroup),
          converter(converter),
          extensions(extensions),
          store(converter.getSourcePaths()),
          paths(folderOf(converter.getSourceProjectPath()), converter.getBuildMacros()),
          currentConfiguration(&projectGroup) {}

    void apply(const std::string& line, const std::string& previousLine);
    void distributeSources();
    const std::vector<std::string>& unresolvedMacros() const { return paths.unresolvedMacros(); }
    // The first folder chain that no host could create, if any.
    const std::optional<IOERROR>& unplaceableSource() const { return unplaceable; }

private:
    // A source that configurations exclude, with their names.
    struct ExcludedSource {
        SourcePath source;
        const std::vector<std::string>* configurations;
    };

    SourceGroup* addConfiguration(const std::string& name);
    std::vector<ExcludedSource> excludedSources() const;
    void fill(SourceGroup& group, const std::string& path, const std::vector<ExcludedSource>& excluded);
    void place(FolderGroups& folders, SourcePath source);

    SourceGroup& projectGroup;
    const ProjectConverter& converter;
    const std::list<std::string>& extensions;
    PathStore& store;
    ProjectPaths paths;
    std::string resolved;  // the last path read, made absolute
    SourceList sources;
    Exclusions exclusions;
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
        std::string_view path = sourcePath(line);
        if (path.empty())
            break;
        paths.resolveSourcePath(path, resolved);
        if (hasAcceptedExtension(resolved, extensions))
            sources.add(store.keep(resolved));
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
        if (!fields.configuration.empty() && !fields.file.empty()) {
            paths.resolveSourcePath(fields.file, resolved);
            exclusions.add(resolved, fields.configuration);
        }
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

void ProjectParse::place(FolderGroups& folders, SourcePath source) {
    // The run fails then, but only once every group name has been seen: a
    // name that leaves the destination must be refused as such.
    try {
        folders.placeInFolderTree(source);
    } catch (const IOERROR& tooDeep) {
        if (!unplaceable)
            unplaceable = tooDeep;
    }
}

// Looks every source up once: a configuration's files are then its runs of
// sources split where it excludes one.
std::vector<ProjectParse::ExcludedSource> ProjectParse::excludedSources() const {
    std::vector<ExcludedSource> excluded;
    for (SourcePath source : sources)
        if (const std::vector<std::string>* configurations = exclusions.of(source))
            excluded.push_back({source, configurations});
    return excluded;
}

// Gives the group every source it does not exclude.
void ProjectParse::fill(SourceGroup& group, const std::string& path, const std::vector<ExcludedSource>& excluded) {
    std::vector<SourcePath> left;
    for (const ExcludedSource& each : excluded)
        if (std::find(each.configurations->begin(), each.configurations->end(), group.getName()) !=
            each.configurations->end())
            left.push_back(each.source);
    const SourceList files = sources.without(left);
    if (!converter.getReplicateSourceTree()) {
        group.addFiles(files);
        return;
    }
    FolderGroups folders(group, &converter, groupFolder(converter.getDestinationFolder(), path));
    for (SourcePath source : files)
        place(folders, source);
}

void ProjectParse::distributeSources() {
    const std::vector<ExcludedSource> excluded = excludedSources();
    const std::string rootPath = groupPath(std::string(), projectGroup.getName());
    if (projectGroup.getChildren().empty()) {
        fill(projectGroup, rootPath, excluded);
        return;
    }
    for (SourceGroup& configuration : projectGroup.getChildren())
        fill(configuration, groupPath(rootPath, configuration.getName()), excluded);
}

}  // namespace

void ProjectFileReader::openFile(const std::string& path) {
    filePath = path;
    if (!host::openForReading(input, path))
        throw AsciiReaderError{2};
    const std::size_t blockSize = 1024 * 1024;
    block.resize(blockSize);
    blockStart = blockEnd = 0;
}

bool ProjectFileReader::readLine(std::string& line) {
    line.clear();
    while (blockStart < blockEnd || readBlock()) {
        const char* start = block.data() + blockStart;
        const char* end = block.data() + blockEnd;
        const char* lineEnd = static_cast<const char*>(std::memchr(start, '\n', end - start));
        line.append(start, lineEnd == nullptr ? end : lineEnd);
        blockStart = lineEnd == nullptr ? blockEnd : lineEnd - block.data() + 1;
        // A CR that ends a CR LF pair goes with the line end.
        if (lineEnd != nullptr) {
            line.resize(withoutTrailingCr(line).size());
            return true;
        }
    }
    // The last line of a file has no line end for a CR to go with.
    return !line.empty();
}

bool ProjectFileReader::readBlock() {
    input.read(block.data(), static_cast<std::streamsize>(block.size()));
    blockStart = 0;
    blockEnd = static_cast<std::size_t>(input.gcount());
    return blockEnd > 0;
}

bool ProjectFileReader::parseProject() {
    ProjectParse parse(*projectGroup, *converter, extensions);
    std::string line;
    std::string previousLine;
    while (readLine(line)) {
        parse.apply(line, previousLine);
        // The next read overwrites the buffer that held the line before.
        std::swap(previousLine, line);
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
