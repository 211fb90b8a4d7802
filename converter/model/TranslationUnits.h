#ifndef KORRIN_TRANSLATION_UNITS_H
#define KORRIN_TRANSLATION_UNITS_H

#include <string>
#include <vector>

class ProjectConverter;
class SourceGroup;

enum class Language { C, Cxx };

struct TranslationUnit {
    std::string file;             // as the .prj lists it
    Language language;
    const SourceGroup* settings;  // whose include folders and definitions apply, if any
};

// The compilation of one configuration group.
struct Configuration {
    std::string folder;                  // the group's folder
    std::vector<TranslationUnit> units;  // in .prj order, each file once
};

// Every configuration group that is written (the root when the project has
// none), with its C and C++ sources. A source gets the settings of the
// analyser personality that the .prj names for its group.
std::vector<Configuration> translationUnits(const ProjectConverter& converter);

#endif
