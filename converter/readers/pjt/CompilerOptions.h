#ifndef KORRIN_COMPILER_OPTIONS_H
#define KORRIN_COMPILER_OPTIONS_H

#include <string>

class PjtPaths;
class SourceGroup;

// Takes the macro definitions ("-d") and include folders ("-i"") out of an
// "Options=" line into group, and defines "CPUFamily" when cpuFamily is set.
// A definition whose value holds quotes stands for a string. Include folders
// are resolved like source paths.
void translateCompilerOptions(const std::string& line, SourceGroup& group, const std::string& cpuFamily,
                              PjtPaths& paths);

// Blanks stripped first, then double quotes.
std::string trimField(const std::string& text);

#endif
