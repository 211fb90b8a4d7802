#include "writers/corvel/PrjWriter.h"

#include "base/Console.h"
#include "host/Host.h"
#include "writers/Folders.h"
#include "writers/OutputFile.h"
#include "writers/corvel/GroupFolders.h"
#include "writers/corvel/Personalities.h"

namespace {

// Creates a folder for every "\" or "/" inside the name, from the left.
void ensureNameFolders(const std::string& parentFolder, const std::string& name) {
    for (std::string::size_type at = name.find_first_of("\\/"); at != std::string::npos;
         at = name.find_first_of("\\/", at + 1))
        ensureDirectory(parentFolder + "\\" + name.substr(0, at));
}

}  // namespace

PrjWriter::PrjWriter(const Project& project, const CorvelOptions& options)
    : project(project), options(options), file(options.destination + "\\" + options.projectName + ".prj") {}

void PrjWriter::writePath(const std::string& key, const std::string& path) {
    file.writeLine(key + host::systemPath(path));
}

void PrjWriter::write() {
    file.writeLine("VersionTag45");
    writeGroup(project.root, std::string(), defaultPersonality(options, ".p_a"));
    file.close();
}

void PrjWriter::writeGroup(const SourceGroup& group, const std::string& parentPath,
                           const std::string& inheritedAnalyserPersonality) {
    if (group.isEmpty())
        return;
    const std::string& name = group.getName();
    ensureNameFolders(parentFolder(options.destination, parentPath), name);
    const std::string path = groupPath(parentPath, name);
    const std::string folder = groupFolder(options.destination, parentPath, name);
    ensureDirectory(folder);
    ensureDirectory(folder + "\\output\\");
    ensureDirectory(folder + "\\person\\");
    printLine("  Creating Group - " + name);

    file.writeLine("StartProjectMarker");
    file.writeLine("FolderName=" + name);
    writePath("SourcePath=", group.getSourceFolder().empty() ? folder + "\\" : group.getSourceFolder());
    writePath("OutputPath=", folder + "\\output\\");
    writePath("SubsPers=", resolveMessagePersonality(options));
    AnalyserPersonality analyser =
        resolveAnalyserPersonality(group, parentPath, inheritedAnalyserPersonality, options);
    writePath("AnalPers=", analyser.path);
    createAnalyserPersonality(group, analyser.path, options);
    writePath("CompPers=", resolveCompilerPersonality(options));
    for (SourceIndex source : group.getFiles())
        writePath("", std::string(project.paths[source]));
    file.writeLine("EndContainedFilesMarker");

    if (group.getChildren().empty())
        return;
    file.writeLine("StartSubProjectMarker");
    for (const SourceGroup& child : group.getChildren())
        writeGroup(child, path, analyser.handedDown);
    file.writeLine("EndSubProjectMarker");
}
