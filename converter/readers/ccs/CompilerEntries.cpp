#include "readers/ccs/CompilerEntries.h"

#include "base/PathText.h"

namespace {

// The shell keeps what stands between unescaped quotes and drops the quotes.
std::string shellWord(const std::string& text) {
    std::string word;
    for (char c : text)
        if (c != '"')
            word += c;
    return word;
}

}  // namespace

std::string includeFolder(const std::string& written, const std::string& buildFolder, CcsVariables& variables) {
    const std::string entry = withoutEnclosingQuotes(written);
    std::string folder = variables.expand(entry);
    if (variables.hasUnresolved(folder))
        return entry;
    toNativeSeparators(folder);
    return isRootedPath(folder) ? folder : buildFolder + "\\" + folder;
}

std::optional<Definition> ccsDefinition(const std::string& written, CcsVariables& variables) {
    const std::string entry = variables.expand(withoutEnclosingQuotes(written));
    if (entry.empty() || variables.hasUnresolved(entry))
        return std::nullopt;
    const std::string::size_type equals = entry.find('=');
    const std::string name = stripChar(entry.substr(0, equals), ' ');
    if (equals == std::string::npos)
        return Definition{name, "", false};
    const std::string value = entry.substr(equals + 1);
    if (value.size() >= 4 && value.compare(0, 2, "\\\"") == 0 && value.compare(value.size() - 2, 2, "\\\"") == 0)
        return Definition{name, value.substr(2, value.size() - 4), true};
    const std::string word = shellWord(value);
    return Definition{name, word, false, word.empty()};
}

SourceGroup compilerGroup(const std::string& name, const std::string& sourceFolder, const std::string& buildFolder,
                          const std::vector<std::string>& includePaths, const std::vector<std::string>& defines,
                          CcsVariables& variables) {
    SourceGroup group(name);
    group.setSourceFolder(sourceFolder);
    for (const std::string& written : includePaths)
        group.addIncludePath(includeFolder(written, buildFolder, variables));
    for (const std::string& written : defines)
        if (std::optional<Definition> definition = ccsDefinition(written, variables))
            group.define(std::move(*definition));
    return group;
}

void addCompilerOptions(const std::vector<std::string>& options, const std::string& buildFolder,
                        CcsVariables& variables, Target& target) {
    const std::string preinclude = "--preinclude=";
    for (const std::string& option : options) {
        if (startsWith(option, preinclude))
            target.preincludes.push_back(includeFolder(option.substr(preinclude.size()), buildFolder, variables));
        else
            target.options.push_back(option);
    }
}
