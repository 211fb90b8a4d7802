#ifndef KORRIN_PJT_PARSE_H
#define KORRIN_PJT_PARSE_H

#include <list>
#include <string>
#include <vector>

#include "base/BuildMacros.h"
#include "model/Project.h"
#include "readers/pjt/PjtPaths.h"
#include "readers/pjt/SourceReading.h"

// The state of one parse of a .pjt file: what the lines say, gathered until
// the end of the file, when each configuration gets its sources.
class PjtParse {
public:
    PjtParse(Project& project, const BuildMacros& macros, const std::list<std::string>& extensions);

    void apply(const std::string& line, const std::string& previousLine);
    // Gives every configuration (the project itself when it has none) the
    // sources it does not exclude, and the project the macros left unresolved.
    void finish();

private:
    SourceGroup* addConfiguration(const std::string& name);
    void fill(SourceGroup& group, const std::vector<ExcludedSource>& excluded);

    Project& project;
    PjtPaths paths;
    SourceReading sources;
    SourceGroup* currentConfiguration;
    std::string cpuFamily;  // as the project names it, a definition of its configurations
};

#endif
