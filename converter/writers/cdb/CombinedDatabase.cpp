#include "writers/cdb/CombinedDatabase.h"

#include "base/PathText.h"

CombinedDatabase::CombinedDatabase(const std::string& path, std::string configuration,
                                   std::vector<std::string> projectFolders)
    : filePath(path), file(path), configurationName(std::move(configuration)), projectFolders(std::move(projectFolders)) {
    file.writeLine("[");
}

const std::string* CombinedDatabase::innermostFolderOf(const std::string& path) const {
    const std::string* innermost = nullptr;
    for (const std::string& folder : projectFolders)
        if (startsWith(path, folder + "\\") && (innermost == nullptr || folder.size() > innermost->size()))
            innermost = &folder;
    return innermost;
}

void CombinedDatabase::add(const std::string& path, const std::vector<std::string>& entryLines) {
    const std::string* innermost = innermostFolderOf(path);
    if ((innermost != nullptr && *innermost != currentFolder) || !given.insert(path).second)
        return;
    if (!first)
        file.writeLine("  ,");
    first = false;
    for (const std::string& line : entryLines)
        file.writeLine(line);
}

void CombinedDatabase::close() {
    file.writeLine("]");
    file.close();
}
