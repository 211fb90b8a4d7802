#ifndef KORRIN_TRANSLATION_UNITS_H
#define KORRIN_TRANSLATION_UNITS_H

#include <string>
#include <vector>

#include "base/Extensions.h"
#include "model/Project.h"
#include "writers/corvel/CorvelOptions.h"

struct TranslationUnit {
    std::string file;             // as the .prj lists it
    Language language;
    const SourceGroup* settings;  // whose include folders and definitions apply, if any
};

// The compilation of one configuration group.
struct Configuration {
    std::string name;                    // the group's
    std::string folder;                  // the group's folder
    const Target* target;                // what compiles the sources
    std::vector<TranslationUnit> units;  // in .prj order, each file once
};

// Every configuration group that is written (the root when the project has
// none), with its C and C++ sources, and its CLA sources where the compiler
// is known (a CPU family alone does not tell them from C). A source gets the settings of the
// analyser personality that the .prj names for its group.
// Call it once the Corvel project is written: which personality a group
// names depends on the files written.
std::vector<Configuration> translationUnits(const Project& project, const CorvelOptions& options);

#endif
