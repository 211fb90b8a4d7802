#ifndef KORRIN_PERSONALITIES_H
#define KORRIN_PERSONALITIES_H

#include <string>

#include "writers/corvel/CorvelOptions.h"

class SourceGroup;

// '{dest}\person\{projectName}' and the extension: the default message
// (".p_s") and compiler (".p_c") personalities, and the shared analyser
// personality (".p_a") that the root hands down.
std::string defaultPersonality(const CorvelOptions& options, const std::string& extension);

// The message personality: the given one, or the default empty one,
// created afresh.
std::string resolveMessagePersonality(const CorvelOptions& options);

// The compiler personality, likewise; a default that cannot be created
// throws ConversionError (CannotWriteFile).
std::string resolveCompilerPersonality(const CorvelOptions& options);

struct AnalyserPersonality {
    std::string path;        // what the group refers to
    std::string handedDown;  // what its children inherit
};

// Where the group's analyser personality is: its own file when it has
// include paths or definitions, otherwise its parent's own file if there is
// one, otherwise the inherited path.
AnalyserPersonality locateAnalyserPersonality(const SourceGroup& group, const std::string& parentPath,
                                              const std::string& inheritedAnalyserPersonality,
                                              const CorvelOptions& options);

// The same, announcing on the console a group's own file.
AnalyserPersonality resolveAnalyserPersonality(const SourceGroup& group, const std::string& parentPath,
                                               const std::string& inheritedAnalyserPersonality,
                                               const CorvelOptions& options);

// Writes the group's own analyser personality (its include folders, its
// definitions, then the template), or creates the shared one at path if
// nothing is there yet; an existing shared one is kept as it is.
void createAnalyserPersonality(const SourceGroup& group, const std::string& path, const CorvelOptions& options);

#endif
