#ifndef KORRIN_PROJECT_CONVERTER_H
#define KORRIN_PROJECT_CONVERTER_H

#include <list>
#include <string>
#include <vector>

#include "ConversionErrors.h"
#include "model/PathStore.h"
#include "model/SourceGroup.h"
#include "reader/ProjectFileReader.h"
#include "reader/ProjectPaths.h"

// One conversion: what to convert, where to and how, and the group tree that
// the reader fills and the writers walk.
class ProjectConverter {
public:
    ProjectConverter(const std::string& sourceProject, const std::string& destination);
    ProjectConverter(const ProjectConverter&) = delete;
    ProjectConverter& operator=(const ProjectConverter&) = delete;

    // Reads the project file and writes the Corvel project; returns the exit status.
    int convert();

    // Appends the comma-separated items of value to the extension list.
    void addExtensions(const std::string& value);

    void setReplicateSourceTree(bool replicate) { replicateSourceTree = replicate; }
    void setWriteCompilationDatabases(bool write) { writeCompilationDatabases = write; }
    void setProjectName(const std::string& name) { projectName = name; }
    void setMessagePersonality(const std::string& path) { messagePersonality = path; }
    void setAnalyserPersonality(const std::string& path) { analyserPersonality = path; }
    void setCompilerPersonality(const std::string& path) { compilerPersonality = path; }
    // Gives a value to the build macro NAME of "NAME=VALUE"; without "=" it is ignored.
    void defineBuildMacro(const std::string& definition);
    void setUnresolvedMacros(const std::vector<std::string>& macros) { unresolvedMacros = macros; }
    const std::vector<std::string>& getUnresolvedMacros() const { return unresolvedMacros; }

    const std::string& getSourceProjectPath() const { return sourceProjectPath; }
    bool getReplicateSourceTree() const { return replicateSourceTree; }
    std::string getDestinationFolder() const { return destinationFolder; }
    std::string getProjectName() const { return projectName; }
    std::string getMessagePersonality() const { return messagePersonality; }
    std::string getAnalyserPersonality() const { return analyserPersonality; }
    std::string getCompilerPersonality() const { return compilerPersonality; }
    const std::list<std::string>& getExtensions() const { return extensions; }
    const BuildMacros& getBuildMacros() const { return buildMacros; }
    SourceGroup& getRootGroup() { return rootGroup; }
    const SourceGroup& getRootGroup() const { return rootGroup; }
    PathStore& getSourcePaths() { return sourcePaths; }

    // The two halves of a conversion; both throw IOERROR and
    // AsciiReaderError, which convert turns into console lines.
    // Reads the project file into the group tree.
    void readProjectFile();
    // Writes the .prj file, the group folders and the personality files;
    // returns 0. Defined in model/ProjectFileWriter.cpp.
    int writeProjectFile();

private:
    std::string sourceProjectPath;
    bool replicateSourceTree = false;
    bool writeCompilationDatabases = false;  // for the open analysers, beside the Corvel project
    std::string destinationFolder;
    std::string projectName;
    std::string messagePersonality;
    std::string analyserPersonality;
    std::string compilerPersonality;
    std::list<std::string> extensions;
    BuildMacros buildMacros;
    std::vector<std::string> unresolvedMacros;  // met in paths of the project file
    PathStore sourcePaths;  // the text the groups' file lists point into
    SourceGroup rootGroup;
    ProjectFileReader reader;
};

#endif
