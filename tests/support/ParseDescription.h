#ifndef KORRIN_PARSE_DESCRIPTION_H
#define KORRIN_PARSE_DESCRIPTION_H

// Header only: unlike the rest of the support library it needs the converter.

#include <sstream>
#include <string>
#include <string_view>

#include "ProjectConverter.h"

namespace testing_support {

inline void describeGroup(const SourceGroup& group, std::ostream& out) {
    out << "group " << group.getName() << " in " << group.getSourceFolder() << "\n";
    for (std::string_view file : group.getFiles())
        out << "  file " << file << "\n";
    for (const std::string& path : group.getIncludePaths())
        out << "  include " << path << "\n";
    for (const auto& [macro, value] : group.getMacroDefinitions())
        out << "  define " << macro << "=" << value << "\n";
    for (const SourceGroup& child : group.getChildren())
        describeGroup(child, out);
}

// Everything a parse of the project file gives, in order: the group tree and
// the macros left unresolved.
inline std::string describeParse(const ProjectConverter& converter) {
    std::ostringstream out;
    describeGroup(converter.getRootGroup(), out);
    for (const std::string& macro : converter.getUnresolvedMacros())
        out << "unresolved " << macro << "\n";
    return out.str();
}

}  // namespace testing_support

#endif
