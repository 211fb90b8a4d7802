// Writes the Corvel project: ProjectConverter::writeProjectFile and
// SourceGroup::writeGroup.

#include "Console.h"
#include "ProjectConverter.h"
#include "model/CompilationDatabase.h"
#include "model/Folders.h"
#include "model/GroupFolders.h"
#include "model/OutputFile.h"
#include "model/Personalities.h"
#include "model/SourceGroup.h"

namespace {

// Creates a folder for every "\" or "/" inside the name, from the left.
void ensureNameFolders(const std::string& parentFolder, const std::string& name) {
    for (std::string::size_type at = name.find_first_of("\\/"); at != std::string::npos;
         at = name.find_first_of("\\/", at + 1))
        ensureDirectory(parentFolder + "\\" + name.substr(0, at));
}

}  // namespace

int ProjectConverter::writeProjectFile() {
    refuseGroupsOutside(rootGroup);
    OutputFile project(destinationFolder + "\\" + projectName + ".prj");
    printLine("Creating Corvel/Corvel++ Project ...");
    for (const std::string& macro : unresolvedMacros)
        printLine("  Unresolved macro - " + macro);
    project.writeLine("VersionTag45");
    rootGroup.writeGroup(project, std::string(), defaultPersonality(*this, ".p_a"));
    project.close();
    if (writeCompilationDatabases)
        ::writeCompilationDatabases(*this);
    printLine("Corvel/Corvel++ Project Completed!");
    return 0;
}

void SourceGroup::writeGroup(OutputFile& project, const std::string& parentPath,
                             std::string inheritedAnalyserPersonality) const {
    if (isEmpty())
        return;
    const std::string& destination = converter->getDestinationFolder();
    ensureNameFolders(parentFolder(destination, parentPath), name);
    const std::string path = groupPath(parentPath, name);
    const std::string folder = groupFolder(destination, parentPath, name);
    ensureDirectory(folder);
    ensureDirectory(folder + "\\output\\");
    ensureDirectory(folder + "\\person\\");
    printLine("  Creating Group - " + name);

    project.writeLine("StartProjectMarker");
    project.writeLine("FolderName=" + name);
    project.writeLine("SourcePath=" + (sourceFolder.empty() ? folder + "\\" : sourceFolder));
    project.writeLine("OutputPath=" + folder + "\\output\\");
    project.writeLine("SubsPers=" + resolveMessagePersonality(*this));
    AnalyserPersonality analyser = resolveAnalyserPersonality(*this, parentPath, inheritedAnalyserPersonality);
    project.writeLine("AnalPers=" + analyser.path);
    createAnalyserPersonality(*this, analyser.path);
    project.writeLine("CompPers=" + resolveCompilerPersonality(*this));
    for (std::string_view lines : files.lines())
        project.writeText(lines);
    project.writeLine("EndContainedFilesMarker");

    if (children.empty())
        return;
    project.writeLine("StartSubProjectMarker");
    for (const SourceGroup& child : children)
        child.writeGroup(project, path, analyser.handedDown);
    project.writeLine("EndSubProjectMarker");
}
