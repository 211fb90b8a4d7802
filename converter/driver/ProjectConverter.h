#ifndef KORRIN_PROJECT_CONVERTER_H
#define KORRIN_PROJECT_CONVERTER_H

#include <list>
#include <optional>
#include <string>
#include <vector>

#include "base/BuildMacros.h"
#include "base/WorkspaceProjects.h"
#include "driver/ProjectSearch.h"
#include "installs/TiInstalls.h"
#include "model/Project.h"
#include "writers/cdb/CombinedDatabase.h"
#include "writers/corvel/CorvelOptions.h"

// One conversion: what to convert, where to and how. convert reads the
// project, lays out its groups and writes the Corvel project and, when asked,
// the compilation databases; for a folder of many projects each of them.
class ProjectConverter {
public:
    ProjectConverter(const std::string& sourceProject, const std::string& destination);

    // Converts and returns the exit status: 0 when everything was written, 1
    // after the line that says what failed (of a folder of many projects:
    // when any failed). When listing build macros or projects, or printing
    // the project's name, it only reads and prints.
    int convert() const;

    // Appends the comma-separated items of value to the extension list.
    void addExtensions(const std::string& value);
    // Gives a value to the build macro NAME of "NAME=VALUE"; without "=" it
    // is ignored. The value is a path of this host, in Korrin's notation as
    // a path argument is.
    void defineBuildMacro(const std::string& definition);
    // A folder to look for TI's installs in (absolute), after those given
    // before; without any Korrin looks in the usual places of this system.
    void addTiFolder(const std::string& folder) { tiFolders.push_back(folder); }

    void setReplicateSourceTree(bool replicate) { replicateSourceTree = replicate; }
    void setWriteCompilationDatabases(bool write) { writeCompilationDatabases = write; }
    void setListBuildMacros(bool list) { listBuildMacros = list; }
    void setPrintProjectName(bool print) { printProjectName = print; }
    void setListProjects(bool list) { listProjects = list; }
    void setConvertAll(bool all) { convertAll = all; }
    void setCombinedConfiguration(const std::string& name) { combinedConfiguration = name; }
    void setProjectName(const std::string& name) { projectName = name; }
    void setMessagePersonality(const std::string& path) { messagePersonality = path; }
    void setAnalyserPersonality(const std::string& path) { analyserPersonality = path; }
    void setCompilerPersonality(const std::string& path) { compilerPersonality = path; }

    const std::list<std::string>& getExtensions() const { return extensions; }

private:
    // What one conversion reads from: the project, by its name in the
    // workspace its sibling projects form, the installs.
    struct Source {
        std::string location;
        std::optional<std::string> name;  // of the Corvel project
        const TiInstalls& installs;
        const WorkspaceProjects& workspace;
    };

    // Whether the source is a folder of many projects rather than one.
    bool isFolderOfProjects() const;
    // The project, read by the reader of its format, its macros taking
    // their values from macros, and CCS's own from the installs.
    Project readProject(const Source& source, const BuildMacros& macros) const;
    // Prints, one a line, the macros the project uses that "-var" may give
    // a value to: a value found among the installs after a tab, and the
    // project's own variables whose value names no path here, with their
    // value and "project" after tabs; each name once.
    void printBuildMacros(const Source& source, std::vector<std::string>& listed) const;
    // Prints what "-macros", "-name" or "-projects" asks for, if one does.
    bool printQueries(const std::vector<Source>& sources) const;
    // Where one conversion writes: the folder below the destination, made
    // when create says so.
    struct Destination {
        std::string below;
        bool create;
    };
    // Converts the project: the console lines of one conversion and its exit status.
    int convertProject(const Source& source, const Destination& destination, CombinedDatabase* combined) const;
    int convertFolderOfProjects(const TiInstalls& installs) const;
    // The project's groups laid out as they are to be written, every name checked.
    void layOutProject(Project& project, const CorvelOptions& options) const;
    CorvelOptions corvelOptions(const Project& project, const std::string& destination,
                                const std::optional<std::string>& name) const;

    std::string sourceProjectPath;
    bool replicateSourceTree = false;
    bool writeCompilationDatabases = false;  // for the open analysers, beside the Corvel project
    bool listBuildMacros = false;            // "-macros": print them, write nothing
    bool printProjectName = false;           // "-name": print the .prj's name, write nothing
    bool listProjects = false;               // "-projects": print the projects, write nothing
    bool convertAll = false;                 // "-all": a project's folder as a folder of projects
    std::string combinedConfiguration;       // "-config": of each project in the folder's database
    std::string destinationFolder;
    std::optional<std::string> projectName;  // "-pn"
    std::string messagePersonality;
    std::string analyserPersonality;
    std::string compilerPersonality;
    std::list<std::string> extensions;
    BuildMacros buildMacros;
    std::vector<std::string> tiFolders;  // "-ti", in order
};

#endif
