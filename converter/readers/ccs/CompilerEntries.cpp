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

// The folder of an entry whose variables are expanded.
std::string entryFolder(const std::string& entry, std::string folder, const std::string& buildFolder,
                     CcsVariables& variables) {
    if (variables.hasUnresolved(folder))
        return entry;
    toNativeSeparators(folder);
    return variables.onThisMachine(foldedPath(isRootedPath(folder) ? folder : buildFolder + "\\" + folder));
}

std::optional<Definition> definitionOf(const std::string& entry, const CcsVariables& variables) {
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

}  // namespace

std::string includeFolder(const std::string& written, const std::string& buildFolder, CcsVariables& variables) {
    const std::string entry = withoutEnclosingQuotes(written);
    return entryFolder(entry, variables.expand(entry), buildFolder, variables);
}

std::vector<std::string> includeFolders(const std::string& written, const std::string& buildFolder,
                                        CcsVariables& variables) {
    const std::optional<std::vector<std::string>> items = variables.expandList(withoutEnclosingQuotes(written));
    if (!items)
        return {includeFolder(written, buildFolder, variables)};
    std::vector<std::string> folders;
    for (const std::string& item : *items)
        folders.push_back(entryFolder(item, item, buildFolder, variables));
    return folders;
}

std::vector<Definition> ccsDefinitions(const std::string& written, CcsVariables& variables) {
    const std::string entry = withoutEnclosingQuotes(written);
    std::vector<std::string> items = variables.expandList(entry).value_or(std::vector<std::string>{variables.expand(entry)});
    std::vector<Definition> definitions;
    for (const std::string& item : items)
        if (std::optional<Definition> definition = definitionOf(item, variables))
            definitions.push_back(std::move(*definition));
    return definitions;
}

Locate compilerFiles(const std::string& buildFolder, CcsVariables& variables) {
    return [buildFolder, &variables](const std::string& written) { return includeFolder(written, buildFolder, variables); };
}

SourceGroup compilerGroup(const std::string& name, const std::string& sourceFolder, const std::string& buildFolder,
                          const std::vector<std::string>& includePaths, const std::vector<std::string>& defines,
                          CcsVariables& variables) {
    SourceGroup group(name);
    group.setSourceFolder(sourceFolder);
    for (const std::string& written : includePaths)
        for (const std::string& folder : includeFolders(written, buildFolder, variables))
            group.addIncludePath(folder);
    for (const std::string& written : defines)
        for (Definition& definition : ccsDefinitions(written, variables))
            group.define(std::move(definition));
    return group;
}
