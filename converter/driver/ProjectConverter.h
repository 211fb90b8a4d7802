#ifndef KORRIN_PROJECT_CONVERTER_H
#define KORRIN_PROJECT_CONVERTER_H

#include <optional>
#include <string>
#include <vector>

#include "base/ConversionError.h"
#include "base/WorkspaceProjects.h"
#include "driver/ConversionRequest.h"
#include "driver/ProjectSearch.h"
#include "installs/TiInstalls.h"
#include "model/Project.h"
#include "writers/cdb/CombinedDatabase.h"
#include "writers/corvel/CorvelOptions.h"

// One conversion: convert reads the project, lays out its groups and
// writes the Corvel project and, when asked, the compilation databases;
// for a folder of many projects each of them.
class ProjectConverter {
public:
    explicit ProjectConverter(ConversionRequest request) : request(std::move(request)) {}

    // Converts and returns the exit status: 0 when everything was written, 1
    // after the line that says what failed (of a folder of many projects:
    // when any failed). When listing build macros or projects, or printing
    // the project's name, it only reads and prints.
    int convert() const;

private:
    // The projects a run converts: the source itself, or those a folder of
    // many holds, each below the destination where it lies below the
    // source, in the workspace they form.
    struct Batch {
        bool many = false;
        std::vector<FoundProject> projects;
        WorkspaceProjects workspace;
    };
    // What one conversion reads from: the project, by its name in the
    // workspace its sibling projects form, the installs.
    struct Source {
        std::string location;
        std::optional<std::string> name;  // of the Corvel project
        const TiInstalls& installs;
        const WorkspaceProjects& workspace;
    };

    Batch batchOf() const;
    Source sourceOf(const Batch& batch, const FoundProject& project, const TiInstalls& installs) const;
    // The project, read by the reader of its format, its macros taking
    // their values from macros, and CCS's own from the installs.
    Project readProject(const Source& source, const BuildMacros& macros) const;
    // Prints, one a line, the macros the project uses that "-var" may give
    // a value to: a value found among the installs after a tab, and the
    // project's own variables whose value names no path here, with their
    // value and "project" after tabs; each name once.
    void printBuildMacros(const Source& source, std::vector<std::string>& listed) const;
    bool isQuery() const { return request.listBuildMacros || request.printProjectName || request.listProjects; }
    // Prints what "-macros", "-name" or "-projects" asks for.
    void printQueries(const Batch& batch, const TiInstalls& installs) const;
    int convertBatch(const Batch& batch, const TiInstalls& installs) const;
    // Converts the project below the destination (made when create says
    // so): the console lines of one conversion and its exit status.
    int convertProject(const Source& source, const std::string& below, bool create, CombinedDatabase* combined) const;
    // The project's groups laid out as they are to be written, every name checked.
    void layOutProject(Project& project, const CorvelOptions& options) const;
    CorvelOptions corvelOptions(const Project& project, const std::string& destination,
                                const std::optional<std::string>& name) const;

    ConversionRequest request;
};

// The console line of a failure, its paths as this host writes them.
void printFailure(const ConversionError& error);

#endif
