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

Project ProjectConverter::readProject(const BuildMacros& macros, const TiInstalls& installs) const {
    if (isProjectSpecLocation(sourceProjectPath))
        return readProjectSpecProject(sourceProjectPath, projectName, extensions, macros, installs);
    if (isCcsProjectLocation(sourceProjectPath))
        return readCcsProject(sourceProjectPath, projectName, extensions, macros, installs);
    return readPjtProject(sourceProjectPath, extensions, macros);
}

// Read without the values of "-var", so that the list does not depend on
// what was given so far. A variable found in one configuration and not in
// another is listed with what was found.
void ProjectConverter::printBuildMacros(const TiInstalls& installs) const {
    const Project project = readProject(BuildMacros(), installs);
    std::vector<std::string> listed;
    auto listOnce = [&](const std::string& name, const std::string& line) {
        if (std::find(listed.begin(), listed.end(), name) == listed.end()) {
            listed.push_back(name);
            printLine(line);
        }
    };
    for (const MacroValue& found : project.foundMacros)
        listed.push_back(found.name);
    for (const std::string& macro : project.unresolvedMacros)
        listOnce(macro, macro);
    listed.clear();
    for (const MacroValue& found : project.foundMacros)
        listOnce(found.name, found.name + "\t" + found.value);
    for (const MacroValue& own : project.missingOwnPaths)
        listOnce(own.name, own.name + "\t" + own.value + "\tproject");
}

CorvelOptions ProjectConverter::corvelOptions(const Project& project) const {
    return {destinationFolder, projectName.value_or(project.name), messagePersonality, analyserPersonality,
            compilerPersonality};
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

int ProjectConverter::convert() const {
    try {
        const TiInstalls installs = discoverTiInstalls(tiFolders.empty() ? host::usualTiFolders() : tiFolders);
        if (listBuildMacros) {
            printBuildMacros(installs);
            return 0;
        }
        if (printProjectName) {
            printLine(projectName.value_or(readProject(buildMacros, installs).name));
            return 0;
        }
        Project project = readProject(buildMacros, installs);
        const CorvelOptions options = corvelOptions(project);
        if (!projectName)
            refuseProjectNameOutside(options.projectName);
        layOutProject(project, options);
        writeCorvelProject(project, options);
        // The databases name the personalities the .prj names, so they come after it.
        if (writeCompilationDatabases)
            ::writeCompilationDatabases(project, options);
        printLine("Corvel/Corvel++ Project Completed!");
        return 0;
    } catch (const ConversionError& error) {
        printLine(error.message);
        return 1;
    }
}
