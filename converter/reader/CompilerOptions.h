#ifndef KORRIN_COMPILER_OPTIONS_H
#define KORRIN_COMPILER_OPTIONS_H

#include <string>

class ProjectPaths;
class SourceGroup;

// Takes the macro definitions ("-d") and include folders ("-i"") out of an
// "Options=" line into group, and defines "CPUFamily" when cpuFamily is set.
// Include folders are resolved like source paths.
void translateCompilerOptions(const std::string& line, SourceGroup& group, const std::string& cpuFamily,
                              ProjectPaths& paths);

// A definition whose value held quotes stands for a string: its value is
// written as a call of this macro, defined as "#x".
extern const std::string stringifyMacro;  // "ZRN_STRINGIFY(x)"

// The string literal that a value of such a definition stands for,
// 'ZRN_STRINGIFY(abc)' giving '"abc"'; any other value as it is.
std::string stringLiteralOf(const std::string& value);

// text without the runs of c at its start and at its end.
std::string stripChar(const std::string& text, char c);

// Blanks stripped first, then double quotes.
std::string trimField(const std::string& text);

#endif
