#include "driver/ProjectConverter.h"

#include "base/Console.h"
#include "base/PathText.h"
#include "driver/Findings.h"
#include "driver/ProjectFormats.h"
#include "host/Host.h"
#include "installs/Discovery.h"
#include "writers/Folders.h"
#include "writers/cdb/CompilationDatabase.h"
#include "writers/corvel/FolderTree.h"
#include "writers/corvel/GroupFolders.h"
#include "writers/corvel/PrjWriter.h"

void printFailure(const ConversionError& error) { printLine(host::systemPath(error.message)); }

ProjectConverter::Batch ProjectConverter::batchOf() const {
    Batch batch;
    if (formatOf(request.sourceProjectPath, request.convertAll).kind != ProjectKind::FolderOfProjects) {
        batch.projects.push_back({request.sourceProjectPath, std::string(), std::string(), std::string()});
        return batch;
    }
    std::string folder = request.sourceProjectPath;
    toNativeSeparators(folder);
    folder = withoutTrailingSeparator(folder);
    batch.many = true;
    batch.projects = findProjects(folder, request.convertAll);
    if (batch.projects.empty())
        throw ConversionError(ConversionError::Kind::NotACcsProject, folder + " (no .project)");
    for (const FoundProject& project : batch.projects)
        batch.workspace.emplace(project.name, project.folder);
    return batch;
}

// "-pn" names the project of one; each of many keeps its own name.
ProjectConverter::Source ProjectConverter::sourceOf(const Batch& batch, const FoundProject& project,
                                                    const TiInstalls& installs) const {
    return {project.location, batch.many ? std::nullopt : request.projectName, installs, batch.workspace};
}

Project ProjectConverter::readProject(const Source& source, const BuildMacros& macros) const {
    const ReadOptions options{source.name, request.extensions, macros, source.installs, source.workspace};
    return formatOf(source.location, false).read(source.location, options);
}

// Read without the values of "-var", so that the list does not depend on
// what was given so far.
void ProjectConverter::printBuildMacros(const Source& source, std::vector<std::string>& listed) const {
    listBuildMacros(readProject(source, BuildMacros()), listed);
}

// Of a folder of many projects, one that cannot be read adds nothing; a
// project alone that cannot be read fails the run.
void ProjectConverter::printQueries(const Batch& batch, const TiInstalls& installs) const {
    std::vector<std::string> listed;
    for (const FoundProject& project : batch.projects) {
        const Source source = sourceOf(batch, project, installs);
        try {
            if (request.listBuildMacros)
                printBuildMacros(source, listed);
            else if (request.printProjectName)
                printLine(source.name.value_or(readProject(source, request.buildMacros).name));
            else
                printLine(host::systemPath(source.location));
        } catch (const ConversionError&) {
            if (!batch.many)
                throw;
        }
    }
}

CorvelOptions ProjectConverter::corvelOptions(const Project& project, const std::string& destination,
                                              const std::optional<std::string>& name) const {
    return {destination, name.value_or(project.name), request.messagePersonality, request.analyserPersonality,
            request.compilerPersonality};
}

// Every name of the tree is refused before any other failure, a folder
// chain too deep for any host included.
void ProjectConverter::layOutProject(Project& project, const CorvelOptions& options) const {
    std::optional<ConversionError> tooDeep;
    if (request.replicateSourceTree)
        tooDeep = replicateSourceTree(project, options.destination);
    refuseGroupsOutside(project.root);
    if (tooDeep)
        throw *tooDeep;
}

int ProjectConverter::convertProject(const Source& source, const std::string& below, bool create,
                                     CombinedDatabase* combined) const {
    try {
        Project project = readProject(source, request.buildMacros);
        const std::string folder = request.destinationFolder + (below.empty() ? "" : "\\" + below);
        const CorvelOptions options = corvelOptions(project, folder, source.name);
        if (!source.name)
            refuseProjectNameOutside(options.projectName);
        layOutProject(project, options);
        // Created once the project is known good, so that a refused one leaves
        // nothing, as it would converted alone.
        if (create)
            ensureFolderBelow(request.destinationFolder, below);
        PrjWriter prj(project, options);
        printLine("Creating Corvel/Corvel++ Project ...");
        printFindings(project);
        prj.write();
        // The databases name the personalities the .prj names, so they come after it.
        if (request.writeCompilationDatabases)
            writeCompilationDatabases(project, options, combined);
        printLine("Corvel/Corvel++ Project Completed!");
        return 0;
    } catch (const ConversionError& error) {
        printFailure(error);
        return 1;
    }
}

// Each of many converts as alone, into the folder below the destination
// that it lies at below the source; one that fails does not stop the others.
int ProjectConverter::convertBatch(const Batch& batch, const TiInstalls& installs) const {
    std::optional<CombinedDatabase> combined;
    if (batch.many && request.writeCompilationDatabases) {
        std::vector<std::string> folders;
        for (const FoundProject& project : batch.projects)
            folders.push_back(project.folder);
        combined.emplace(request.destinationFolder + "\\compile_commands.json", request.combinedConfiguration, folders);
    }
    std::size_t failed = 0;
    for (const FoundProject& project : batch.projects) {
        if (batch.many)
            printLine("Converting Project - " + host::systemPath(project.location));
        failed += convertProject(sourceOf(batch, project, installs), project.below, batch.many,
                                 combined ? &*combined : nullptr) != 0;
    }
    if (combined) {
        combined->close();
        printLine("Creating Compilation Database - " + host::systemPath(combined->path()));
    }
    if (batch.many)
        printLine("Projects Converted - " + std::to_string(batch.projects.size() - failed) + ", Failed - " +
                  std::to_string(failed));
    return failed == 0 ? 0 : 1;
}

int ProjectConverter::convert() const {
    const TiInstalls installs =
        discoverTiInstalls(request.tiFolders.empty() ? host::usualTiFolders() : request.tiFolders);
    try {
        const Batch batch = batchOf();
        if (!isQuery())
            return convertBatch(batch, installs);
        printQueries(batch, installs);
        return 0;
    } catch (const ConversionError& error) {
        printFailure(error);
        return 1;
    }
}
