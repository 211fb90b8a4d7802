#ifndef KORRIN_LINE_KINDS_H
#define KORRIN_LINE_KINDS_H

#include <string>
#include <string_view>

// What a project file line is, told by the first marker, in this order,
// found anywhere in it.
enum class LineKind {
    ProjectName,       // "ProjectName"
    CpuFamily,         // "CPUFamily"
    Source,            // "Source="
    CompilerSettings,  // "["Compiler" Settings: "
    LinkerSettings,    // "["Linker" Settings: "
    Options,           // "Options="
    Exclusion,         // "ExcludeFromBuild="
    Other,
};

LineKind classifyLine(std::string_view line);

// The reader removes the CR of a CR LF line end. A CR can still end a line:
// a lone one at the end of the file, or the first of CR CR LF. Every field
// that runs to the end of the line goes without it.
std::string_view withoutTrailingCr(std::string_view text);

// The value after the first "=", without a trailing CR; empty without "=".
std::string cpuFamilyValue(std::string_view line);

// The text between the first and the last double quote, without a trailing
// CR; empty when the line holds fewer than two quotes. A view of the line:
// every source line has one, and most are copied no further.
std::string_view sourcePath(std::string_view line);

// The text after the first ': "' up to the last double quote; the rest of the
// line, without a trailing CR, when no quote follows; empty without ': "'.
std::string configurationName(std::string_view line);

// An exclusion line's fields, taken from the line before it: views of that
// line.
struct ExclusionFields {
    std::string_view configuration;
    std::string_view file;
};
ExclusionFields exclusionFields(std::string_view line, std::string_view previousLine);

#endif
