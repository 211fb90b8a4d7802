#include "model/Personalities.h"

#include <iterator>

#include "Console.h"
#include "ProjectConverter.h"
#include "host/Host.h"
#include "model/Folders.h"
#include "model/GroupFolders.h"
#include "model/OutputFile.h"
#include "model/SourceGroup.h"

namespace {

std::string defaultPersonalityFolder(const ProjectConverter& converter) {
    return converter.getDestinationFolder() + "\\person\\";
}

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
void appendTemplate(OutputFile& file, const ProjectConverter& converter) {
    std::string templatePath = converter.getAnalyserPersonality();
    if (templatePath.empty())
        return;
    std::ifstream input;
    if (!host::openForReading(input, templatePath)) {
        printLine("Couldnt open file");
        return;
    }
    file.writeText(withCrLf(std::string(std::istreambuf_iterator<char>(input), std::istreambuf_iterator<char>())));
}

void createSharedAnalyserPersonality(const ProjectConverter& converter, const std::string& path) {
    ensureDirectory(defaultPersonalityFolder(converter));
    OutputFile file(path);
    appendTemplate(file, converter);
    file.close();
}

}  // namespace

std::string defaultPersonality(const ProjectConverter& converter, const std::string& extension) {
    return defaultPersonalityFolder(converter) + converter.getProjectName() + extension;
}

std::string resolveMessagePersonality(const SourceGroup& group) {
    const ProjectConverter& converter = group.getConverter();
    if (!converter.getMessagePersonality().empty())
        return converter.getMessagePersonality();
    std::string path = defaultPersonality(converter, ".p_s");
    ensureDirectory(defaultPersonalityFolder(converter));
    // Whether the empty default could be made is deliberately not checked.
    std::ofstream file;
    host::openForWriting(file, path);
    return path;
}

std::string resolveCompilerPersonality(const SourceGroup& group) {
    const ProjectConverter& converter = group.getConverter();
    if (!converter.getCompilerPersonality().empty())
        return converter.getCompilerPersonality();
    std::string path = defaultPersonality(converter, ".p_c");
    ensureDirectory(defaultPersonalityFolder(converter));
    OutputFile file(path);
    file.close();
    return path;
}

AnalyserPersonality locateAnalyserPersonality(const SourceGroup& group, const std::string& parentPath,
                                              const std::string& inheritedAnalyserPersonality) {
    const std::string& destination = group.getConverter().getDestinationFolder();
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
                                               const std::string& inheritedAnalyserPersonality) {
    AnalyserPersonality personality = locateAnalyserPersonality(group, parentPath, inheritedAnalyserPersonality);
    if (group.hasOwnSettings())
        printLine("  Creating Analyser Personality - " + personality.path);
    return personality;
}

void createAnalyserPersonality(const SourceGroup& group, const std::string& path) {
    if (group.hasOwnSettings())
        group.writeAnalyserPersonality(path);
    else if (!host::exists(path))
        createSharedAnalyserPersonality(group.getConverter(), path);
}

void SourceGroup::writeAnalyserPersonality(const std::string& path) const {
    OutputFile file(path);
    for (const std::string& include : includePaths)
        file.writeLine("-i \"" + include + "\"");
    for (const auto& macro : macroDefinitions)
        file.writeLine("-d \"" + macro.first + (macro.second.empty() ? "" : "=" + macro.second) + "\"");
    appendTemplate(file, *converter);
    file.close();
}
