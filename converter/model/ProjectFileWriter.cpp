#include "../Console.h"
#include "../ProjectConverter.h"
#include "Folders.h"
#include "OutputFile.h"
#include "Personalities.h"
#include "SourceGroup.h"

namespace {

std::string childParentPath(const std::string& parentPath, const std::string& name) {
    return parentPath.empty() ? name : parentPath + "\\" + name;
}

// Names come from the project file: refuse, before anything is written, a
// group whose folders would lie outside the destination folder, in the order
// the writer would meet it.
void checkGroupFolders(const SourceGroup& group, const std::string& parentPath) {
    if (group.isEmpty())
        return;
    std::string path = childParentPath(parentPath, group.getName());
    if (group.getName().find('\0') != std::string::npos || !staysInside(path))
        throw IOERROR{3, group.getName()};
    for (const SourceGroup& child : group.getChildren())
        checkGroupFolders(child, path);
}

// Creates a folder for every "\" or "/" inside the name, from the left.
void ensureNameFolders(const std::string& groupFolder, const std::string& name) {
    for (std::string::size_type at = name.find_first_of("\\/"); at != std::string::npos;
         at = name.find_first_of("\\/", at + 1))
        ensureDirectory(groupFolder + "\\" + name.substr(0, at));
}

}  // namespace

int ProjectConverter::writeProjectFile() {
    std::string path = destinationFolder + "\\" + projectName + ".prj";
    checkGroupFolders(rootGroup, std::string());
    OutputFile project;
    if (!project.open(path))
        throw IOERROR{2, path};
    printLine("Creating Corvel/Corvel++ Project ...");
    for (const std::string& macro : unresolvedMacros)
        printLine("  Unresolved macro - " + macro);
    project.writeLine("VersionTag45");
    rootGroup.writeGroup(project, std::string(), destinationFolder + "\\person\\" + projectName + ".p_a");
    project.close();
    printLine("Corvel/Corvel++ Project Completed!");
    return 0;
}

void SourceGroup::writeGroup(OutputFile& project, const std::string& parentPath,
                             std::string inheritedAnalyserPersonality) const {
    std::string groupFolder = converter->getDestinationFolder();
    if (!parentPath.empty())
        groupFolder += "\\" + parentPath;
    if (isEmpty())
        return;
    ensureNameFolders(groupFolder, name);
    groupFolder += "\\" + name;
    ensureDirectory(groupFolder);
    ensureDirectory(groupFolder + "\\output\\");
    ensureDirectory(groupFolder + "\\person\\");
    printLine("  Creating Group - " + name);

    project.writeLine("StartProjectMarker");
    project.writeLine("FolderName=" + name);
    project.writeLine("SourcePath=" + (sourceFolder.empty() ? groupFolder + "\\" : sourceFolder));
    project.writeLine("OutputPath=" + groupFolder + "\\output\\");
    project.writeLine("SubsPers=" + resolveMessagePersonality(*this));
    AnalyserPersonality analyser =
        resolveAnalyserPersonality(*this, groupFolder, parentPath, inheritedAnalyserPersonality);
    project.writeLine("AnalPers=" + analyser.path);
    createAnalyserPersonality(*this, analyser.path);
    project.writeLine("CompPers=" + resolveCompilerPersonality(*this));
    for (const std::string& file : files)
        project.writeLine(file);
    project.writeLine("EndContainedFilesMarker");

    if (children.empty())
        return;
    project.writeLine("StartSubProjectMarker");
    for (const SourceGroup& child : children)
        child.writeGroup(project, childParentPath(parentPath, name), analyser.handedDown);
    project.writeLine("EndSubProjectMarker");
}
