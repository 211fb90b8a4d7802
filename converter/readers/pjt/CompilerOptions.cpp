#include "readers/pjt/CompilerOptions.h"

#include "base/PathText.h"
#include "model/SourceGroup.h"
#include "readers/pjt/LineKinds.h"
#include "readers/pjt/PjtPaths.h"

namespace {

const std::string definitionMarker = "-d";
const std::string includeMarker = "-i\"";

void defineMacros(const std::string& options, SourceGroup& group) {
    for (std::string::size_type at = options.find(definitionMarker); at != std::string::npos;) {
        std::string::size_type end = options.find(' ', at);
        if (end == std::string::npos)
            end = options.size();
        // Code Composer quotes a definition as a whole: -d"NUMST=1" defines
        // the number 1, not a string.
        std::string definition =
            withoutEnclosingQuotes(options.substr(at + definitionMarker.size(), end - at - definitionMarker.size()));
        std::string::size_type equals = definition.find('=');
        std::string name = trimField(definition.substr(0, equals));
        std::string value = equals == std::string::npos ? std::string() : definition.substr(equals + 1);
        const bool isString = value.find('"') != std::string::npos;
        group.define({name, isString ? stripChar(value, '"') : value, isString});
        at = options.find(definitionMarker, end);
    }
}

void addIncludePaths(const std::string& options, SourceGroup& group, PjtPaths& paths) {
    for (std::string::size_type at = options.find(includeMarker); at != std::string::npos;) {
        std::string::size_type end = options.find('"', at + includeMarker.size());
        if (end == std::string::npos)
            end = options.size();
        group.addIncludePath(paths.resolveSourcePath(trimField(options.substr(at + 2, end - at - 2))));
        at = options.find(includeMarker, end);
    }
}

}  // namespace

std::string trimField(const std::string& text) { return stripChar(stripChar(text, ' '), '"'); }

void translateCompilerOptions(const std::string& line, SourceGroup& group, const std::string& cpuFamily,
                              PjtPaths& paths) {
    std::string::size_type equals = line.find('=');
    // Without a CR the reader kept, the last option reads as on any other line.
    std::string_view rest = std::string_view(line).substr(equals == std::string::npos ? 0 : equals + 1);
    std::string options = trimField(std::string(withoutTrailingCr(rest)));
    if (options.empty())
        return;
    defineMacros(options, group);
    if (!cpuFamily.empty())
        group.define({"CPUFamily", cpuFamily});
    addIncludePaths(options, group, paths);
}
