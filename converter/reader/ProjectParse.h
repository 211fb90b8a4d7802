#ifndef KORRIN_PROJECT_PARSE_H
#define KORRIN_PROJECT_PARSE_H

#include <list>
#include <optional>
#include <string>
#include <vector>

#include "ConversionErrors.h"
#include "model/PathStore.h"
#include "reader/ProjectPaths.h"
#include "reader/SourceReading.h"

class FolderGroups;
class ProjectConverter;
class SourceGroup;

// The state of one parse: what the lines say, gathered until the end of the
// file, when the sources are placed.
class ProjectParse {
public:
    ProjectParse(SourceGroup& projectGroup, ProjectConverter& converter, const std::list<std::string>& extensions);

    void apply(const std::string& line, const std::string& previousLine);
    void distributeSources();

    const std::vector<std::string>& unresolvedMacros() const { return paths.unresolvedMacros(); }
    // The first folder chain that no host could create, if any.
    const std::optional<IOERROR>& unplaceableSource() const { return unplaceable; }

private:
    SourceGroup* addConfiguration(const std::string& name);
    void fill(SourceGroup& group, const std::string& parentPath, const std::vector<ExcludedSource>& excluded);
    void place(SourceGroup& group, FolderGroups& folders, SourcePath source);

    SourceGroup& projectGroup;
    const ProjectConverter& converter;
    ProjectPaths paths;
    SourceReading sources;
    SourceGroup* currentConfiguration;
    std::string cpuFamily;
    std::optional<IOERROR> unplaceable;
};

#endif
