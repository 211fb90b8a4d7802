#include "writers/corvel/Personalities.h"

#include <iterator>
#include <map>

#include "base/Console.h"
#include "base/PathText.h"
#include "host/Host.h"
#include "model/SourceGroup.h"
#include "writers/Folders.h"
#include "writers/OutputFile.h"
#include "writers/corvel/GroupFolders.h"

namespace {

std::string defaultPersonalityFolder(const CorvelOptions& options) { return options.destination + "\\person\\"; }

// Lone LFs become CR LF; everything else keeps its bytes.
std::string withCrLf(const std::string& text) {
    std::string result;
    result.reserve(text.size());
    for (std::string::size_type i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            result += '\r';
        result += text[i];
    }
    return result;
}

// Appends the template analyser personality given on the command line.
void appendTemplate(OutputFile& file, const CorvelOptions& options) {
    const std::string& templatePath = options.analyserPersonality;
    if (templatePath.empty())
        return;
    std::ifstream input;
    if (!host::openForReading(input, templatePath)) {
        printLine("Couldnt open file");
        return;
    }
    file.writeText(withCrLf(std::string(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>())));
}

void createSharedAnalyserPersonality(const CorvelOptions& options, const std::string& path) {
    ensureDirectory(defaultPersonalityFolder(options));
    OutputFile file(path);
    appendTemplate(file, options);
    file.close();
}

// What follows the name of each definition: nothing, or "=" and the value.
// A value that stands for a string is written as a call of the macro
// ZRN_STRINGIFY, which the file then defines as "#x". Definitions are
// applied in the order given, so a later one of a name wins.
std::map<std::string, std::string> writtenDefinitions(const SourceGroup& group) {
    std::map<std::string, std::string> written;
    for (const Definition& definition : group.getDefinitions()) {
        if (definition.isString)
            written["ZRN_STRINGIFY(x)"] = "=#x";
        const std::string value = definition.isString ? "ZRN_STRINGIFY(" + definition.value + ")" : definition.value;
        written[definition.name] = value.empty() && !definition.isEmpty ? "" : "=" + value;
    }
    return written;
}

void writeOwnAnalyserPersonality(const SourceGroup& group, const std::string& path, const CorvelOptions& options) {
    OutputFile file(path);
    for (const std::string& include : group.getIncludePaths())
        file.writeLine("-i \"" + host::systemPath(include) + "\"");
    for (const auto& [name, value] : writtenDefinitions(group))
        file.writeLine("-d \"" + name + value + "\"");
    appendTemplate(file, options);
    file.close();
}

}  // namespace

std::string defaultPersonality(const CorvelOptions& options, const std::string& extension) {
    return defaultPersonalityFolder(options) + options.projectName + extension;
}

std::string resolveMessagePersonality(const CorvelOptions& options) {
    if (!options.messagePersonality.empty())
        return options.messagePersonality;
    std::string path = defaultPersonality(options, ".p_s");
    ensureDirectory(defaultPersonalityFolder(options));
    // Whether the empty default could be made is deliberately not checked.
    std::ofstream file;
    host::openForWriting(file, path);
    return path;
}

std::string resolveCompilerPersonality(const CorvelOptions& options) {
    if (!options.compilerPersonality.empty())
        return options.compilerPersonality;
    std::string path = defaultPersonality(options, ".p_c");
    ensureDirectory(defaultPersonalityFolder(options));
    OutputFile file(path);
    file.close();
    return path;
}

AnalyserPersonality locateAnalyserPersonality(const SourceGroup& group, const std::string& parentPath,
                                              const std::string& inheritedAnalyserPersonality,
                                              const CorvelOptions& options) {
    const std::string& destination = options.destination;
    if (group.hasOwnSettings()) {
        std::string own = groupFolder(destination, parentPath, group.getName()) + "\\person\\" +
                          baseName(group.getName()) + ".p_a";
        return {own, std::string()};
    }
    // Where the parent keeps its own file; for the root, '{dest}\\person\.p_a'.
    std::string parentsOwn = destination + "\\" + parentPath + "\\person\\" + lastFolderName(parentPath) + ".p_a";
    std::string path = host::exists(parentsOwn) ? parentsOwn : inheritedAnalyserPersonality;
    return {path, path};
}

AnalyserPersonality resolveAnalyserPersonality(const SourceGroup& group, const std::string& parentPath,
                                               const std::string& inheritedAnalyserPersonality,
                                               const CorvelOptions& options) {
    AnalyserPersonality personality =
        locateAnalyserPersonality(group, parentPath, inheritedAnalyserPersonality, options);
    if (group.hasOwnSettings())
        printLine("  Creating Analyser Personality - " + host::systemPath(personality.path));
    return personality;
}

void createAnalyserPersonality(const SourceGroup& group, const std::string& path, const CorvelOptions& options) {
    if (group.hasOwnSettings())
        writeOwnAnalyserPersonality(group, path, options);
    else if (!host::exists(path))
        createSharedAnalyserPersonality(options, path);
}
