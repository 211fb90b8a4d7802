#include "driver/ProjectConverter.h"

#include <algorithm>
#include <optional>

#include "base/Console.h"
#include "base/ConversionError.h"
#include "base/PathText.h"
#include "host/Host.h"
#include "installs/Discovery.h"
#include "readers/ccs/CcsReader.h"
#include "readers/ccs/ProjectSpecReader.h"
#include "readers/pjt/PjtReader.h"
#include "writers/Folders.h"
#include "writers/cdb/CompilationDatabase.h"
#include "writers/corvel/FolderTree.h"
#include "writers/corvel/GroupFolders.h"
#include "writers/corvel/PrjWriter.h"

ProjectConverter::ProjectConverter(const std::string& sourceProject, const std::string& destination)
    : sourceProjectPath(sourceProject), destinationFolder(destination) {}

void ProjectConverter::addExtensions(const std::string& value) {
    std::string::size_type start = 0;
    for (std::string::size_type comma; (comma = value.find(',', start)) != std::string::npos; start = comma + 1)
        extensions.push_back(value.substr(start, comma - start));
    extensions.push_back(value.substr(start));
}

void ProjectConverter::defineBuildMacro(const std::string& definition) {
    std::string::size_type equals = definition.find('=');
    if (equals != std::string::npos)
        buildMacros[upperCase(definition.substr(0, equals))] = host::fromArgument(definition.substr(equals + 1));
}

bool ProjectConverter::isFolderOfProjects() const {
    std::string path = sourceProjectPath;
    toNativeSeparators(path);
    if (isProjectSpecLocation(path) || endsWith(upperCase(path), ".PJT") || !host::isDirectory(path))
        return false;
    return convertAll || !host::exists(withoutTrailingSeparator(path) + "\\.project");
}

Project ProjectConverter::readProject(const Source& source, const BuildMacros& macros) const {
    if (isProjectSpecLocation(source.location))
        return readProjectSpecProject(source.location, source.name, extensions, macros, source.installs, source.workspace);
    if (isCcsProjectLocation(source.location))
        return readCcsProject(source.location, source.name, extensions, macros, source.installs, source.workspace);
    return readPjtProject(source.location, extensions, macros);
}

// Read without the values of "-var", so that the list does not depend on
// what was given so far. A variable found in one configuration and not in
// another is listed with what was found.
void ProjectConverter::printBuildMacros(const Source& source, std::vector<std::string>& listed) const {
    const Project project = readProject(source, BuildMacros());
    auto listOnce = [&](const std::string& name, const std::string& line) {
        if (std::find(listed.begin(), listed.end(), name) == listed.end()) {
            listed.push_back(name);
            printLine(line);
        }
    };
    for (const std::string& macro : project.unresolvedMacros)
        if (std::none_of(project.foundMacros.begin(), project.foundMacros.end(),
                         [&](const MacroValue& found) { return found.name == macro; }))
            listOnce(macro, macro);
    for (const MacroValue& found : project.foundMacros)
        listOnce(found.name, found.name + "\t" + host::systemPath(found.value));
    for (const MacroValue& own : project.missingOwnPaths)
        listOnce(own.name, own.name + "\t" + host::systemPath(own.value) + "\tproject");
}

// Of a folder of many projects, one that cannot be read adds nothing.
bool ProjectConverter::printQueries(const std::vector<Source>& sources) const {
    if (!listBuildMacros && !printProjectName && !listProjects)
        return false;
    std::vector<std::string> listed;
    for (const Source& source : sources) {
        try {
            if (listBuildMacros)
                printBuildMacros(source, listed);
            else if (printProjectName)
                printLine(source.name.value_or(readProject(source, buildMacros).name));
            else
                printLine(host::systemPath(source.location));
        } catch (const ConversionError&) {
            if (sources.size() == 1)
                throw;
        }
    }
    return true;
}

CorvelOptions ProjectConverter::corvelOptions(const Project& project, const std::string& destination,
                                              const std::optional<std::string>& name) const {
    return {destination, name.value_or(project.name), messagePersonality, analyserPersonality, compilerPersonality};
}

// Every name of the tree is refused before any other failure, a folder
// chain too deep for any host included.
void ProjectConverter::layOutProject(Project& project, const CorvelOptions& options) const {
    std::optional<ConversionError> tooDeep;
    if (replicateSourceTree)
        tooDeep = ::replicateSourceTree(project, options.destination);
    refuseGroupsOutside(project.root);
    if (tooDeep)
        throw *tooDeep;
}

int ProjectConverter::convertProject(const Source& source, const Destination& destination,
                                     CombinedDatabase* combined) const {
    try {
        Project project = readProject(source, buildMacros);
        const std::string folder = destinationFolder + (destination.below.empty() ? "" : "\\" + destination.below);
        const CorvelOptions options = corvelOptions(project, folder, source.name);
        if (!source.name)
            refuseProjectNameOutside(options.projectName);
        layOutProject(project, options);
        // Created once the project is known good, so that a refused one leaves
        // nothing, as it would converted alone.
        if (destination.create)
            ensureFolderBelow(destinationFolder, destination.below);
        writeCorvelProject(project, options);
        // The databases name the personalities the .prj names, so they come after it.
        if (writeCompilationDatabases)
            ::writeCompilationDatabases(project, options, combined);
        printLine("Corvel/Corvel++ Project Completed!");
        return 0;
    } catch (const ConversionError& error) {
        printLine(host::systemPath(error.message));
        return 1;
    }
}

// Each project converts as alone, into the folder below the destination
// that it lies at below the source, "-pn" aside; one that fails does not
// stop the others.
int ProjectConverter::convertFolderOfProjects(const TiInstalls& installs) const {
    std::string folder = sourceProjectPath;
    toNativeSeparators(folder);
    folder = withoutTrailingSeparator(folder);
    const std::vector<FoundProject> found = findProjects(folder, convertAll);
    if (found.empty()) {
        printLine(host::systemPath(ConversionError(ConversionError::Kind::NotACcsProject, folder + " (no .project)").message));
        return 1;
    }
    WorkspaceProjects workspace;
    std::vector<std::string> folders;
    for (const FoundProject& project : found) {
        workspace.emplace(project.name, project.folder);
        folders.push_back(project.folder);
    }
    std::vector<Source> sources;
    for (const FoundProject& project : found)
        sources.push_back({project.location, std::nullopt, installs, workspace});
    if (printQueries(sources))
        return 0;
    std::optional<CombinedDatabase> combined;
    std::size_t failed = 0;
    try {
        if (writeCompilationDatabases)
            combined.emplace(destinationFolder + "\\compile_commands.json", combinedConfiguration, folders);
    } catch (const ConversionError& error) {
        printLine(host::systemPath(error.message));
        return 1;
    }
    for (std::size_t i = 0; i < found.size(); ++i) {
        printLine("Converting Project - " + host::systemPath(found[i].location));
        failed += convertProject(sources[i], {found[i].below, true}, combined ? &*combined : nullptr) != 0;
    }
    if (combined) {
        combined->close();
        printLine("Creating Compilation Database - " + host::systemPath(combined->path()));
    }
    printLine("Projects Converted - " + std::to_string(found.size() - failed) + ", Failed - " + std::to_string(failed));
    return failed == 0 ? 0 : 1;
}

int ProjectConverter::convert() const {
    const TiInstalls installs = discoverTiInstalls(tiFolders.empty() ? host::usualTiFolders() : tiFolders);
    if (isFolderOfProjects())
        return convertFolderOfProjects(installs);
    const WorkspaceProjects none;
    const Source source{sourceProjectPath, projectName, installs, none};
    try {
        if (printQueries({source}))
            return 0;
    } catch (const ConversionError& error) {
        printLine(host::systemPath(error.message));
        return 1;
    }
    return convertProject(source, {std::string(), false}, nullptr);
}
