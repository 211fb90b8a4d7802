#include "readers/pjt/PjtParse.h"

#include <algorithm>

#include "model/Families.h"
#include "readers/pjt/CompilerOptions.h"
#include "readers/pjt/LineKinds.h"

PjtParse::PjtParse(Project& project, const BuildMacros& macros, const std::list<std::string>& extensions)
    : project(project),
      paths(project.folder, macros),
      sources(project.paths, paths, extensions),
      currentConfiguration(&project.root) {}

void PjtParse::apply(const std::string& line, const std::string& previousLine) {
    const LineKind kind = classifyLine(line);
    if (sources.read(kind, line, previousLine))
        return;
    switch (kind) {
    case LineKind::CpuFamily:
        // The family is a definition of the project's own as well.
        cpuFamily = cpuFamilyValue(line);
        project.target = targetOfCpuFamily(cpuFamily);
        project.root.define({"CPUFamily", cpuFamily});
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

SourceGroup* PjtParse::addConfiguration(const std::string& name) {
    SourceGroup configuration(name);
    configuration.setSourceFolder(project.root.getSourceFolder());
    return &project.root.addChild(std::move(configuration));
}

// Gives the group every source it does not exclude.
void PjtParse::fill(SourceGroup& group, const std::vector<ExcludedSource>& excluded) {
    std::vector<SourceIndex> left;
    for (const ExcludedSource& each : excluded)
        if (std::find(each.configurations->begin(), each.configurations->end(), group.getName()) !=
            each.configurations->end())
            left.push_back(each.source);
    group.addFiles(sources.list().without(left));
}

void PjtParse::finish() {
    const std::vector<ExcludedSource> excluded = sources.excludedSources();
    if (project.root.getChildren().empty())
        fill(project.root, excluded);
    for (SourceGroup& configuration : project.root.getChildren())
        fill(configuration, excluded);
    project.unresolvedMacros = paths.unresolvedMacros();
}
