#ifndef KORRIN_PJT_PATHS_H
#define KORRIN_PJT_PATHS_H

#include <string>
#include <string_view>
#include <vector>

#include "base/BuildMacros.h"

// Makes the paths of a .pjt file absolute: source paths, exclusion names
// and include folders alike.
class PjtPaths {
public:
    PjtPaths(const std::string& projectFolder, const BuildMacros& macros);

    // A path beginning with a build macro ('$(Proj_dir)\inc', '%ROOT%\x')
    // is the macro's value and the rest; one whose macro has no value stays
    // as written. Otherwise a path without any ":" is taken relative to the
    // project folder and one with a ":" stays. Nothing is normalised.
    std::string resolveSourcePath(std::string_view path);
    // The same into resolved, whose room is used again: the reader makes one
    // path of every source line. path must not be a view of resolved.
    void resolveSourcePath(std::string_view path, std::string& resolved);

    // The macros without a value, each once, as first written.
    const std::vector<std::string>& unresolvedMacros() const { return unresolved; }
    // Notes a macro without a value, unless it is noted already.
    void noteUnresolved(const std::string& macro);

private:
    // The value of the macro a path begins with, by name and by form
    // ("$(NAME)" or "%NAME%"); none when it has no value.
    const std::string* macroValue(const std::string& name, bool isBuildForm) const;

    std::string projectFolder;
    BuildMacros macros;
    std::vector<std::string> unresolved;
};

#endif
