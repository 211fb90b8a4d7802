#include "reader/ProjectParse.h"

#include <algorithm>
#include <utility>

#include "ProjectConverter.h"
#include "model/Folders.h"
#include "model/GroupFolders.h"
#include "reader/CompilerOptions.h"
#include "reader/FolderTree.h"
#include "reader/LineKinds.h"

ProjectParse::ProjectParse(SourceGroup& projectGroup, ProjectConverter& converter,
                           const std::list<std::string>& extensions)
    : projectGroup(projectGroup),
      converter(converter),
      paths(folderOf(converter.getSourceProjectPath()), converter.getBuildMacros()),
      sources(converter.getSourcePaths(), paths, extensions),
      currentConfiguration(&projectGroup) {}

void ProjectParse::apply(const std::string& line, const std::string& previousLine) {
    const LineKind kind = classifyLine(line);
    if (sources.read(kind, line, previousLine))
        return;
    switch (kind) {
    case LineKind::CpuFamily:
        cpuFamily = cpuFamilyValue(line);
        projectGroup.defineMacro("CPUFamily", cpuFamily);
        break;
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
    default:  // the project name and other lines change nothing
        break;
    }
}

SourceGroup* ProjectParse::addConfiguration(const std::string& name) {
    SourceGroup configuration(name, &converter);
    configuration.setSourceFolder(projectGroup.getSourceFolder());
    return &projectGroup.addChild(std::move(configuration));
}

void ProjectParse::place(SourceGroup& group, FolderGroups& folders, SourcePath source) {
    // The run fails then, but only once every group name has been seen: a
    // name that leaves the destination must be refused as such. The source
    // stays in its configuration so that the refusal sees that group written.
    try {
        folders.placeInFolderTree(source);
    } catch (const IOERROR& tooDeep) {
        if (!unplaceable)
            unplaceable = tooDeep;
        group.addFile(source);
    }
}

// Gives the group every source it does not exclude.
void ProjectParse::fill(SourceGroup& group, const std::string& parentPath,
                        const std::vector<ExcludedSource>& excluded) {
    std::vector<SourcePath> left;
    for (const ExcludedSource& each : excluded)
        if (std::find(each.configurations->begin(), each.configurations->end(), group.getName()) !=
            each.configurations->end())
            left.push_back(each.source);
    const SourceList files = sources.list().without(left);
    if (!converter.getReplicateSourceTree()) {
        group.addFiles(files);
        return;
    }
    FolderGroups folders(group, &converter, groupFolder(converter.getDestinationFolder(), parentPath, group.getName()));
    for (SourcePath source : files)
        place(group, folders, source);
}

void ProjectParse::distributeSources() {
    const std::vector<ExcludedSource> excluded = sources.excludedSources();
    if (projectGroup.getChildren().empty()) {
        fill(projectGroup, std::string(), excluded);
        return;
    }
    const std::string rootPath = groupPath(std::string(), projectGroup.getName());
    for (SourceGroup& configuration : projectGroup.getChildren())
        fill(configuration, rootPath, excluded);
}
