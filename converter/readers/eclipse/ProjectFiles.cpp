#include "readers/eclipse/ProjectFiles.h"

#include "host/Host.h"
#include "host/SortedEntries.h"

namespace {

class FileWalk {
public:
    explicit FileWalk(const std::set<std::string>& buildFolders) : buildFolders(buildFolders) {}

    void walk(const std::string& folder, const std::string& name);
    void add(ProjectFile file) { files.push_back(std::move(file)); }
    std::vector<ProjectFile> take() { return std::move(files); }

private:
    bool isLeftOut(const std::string& entry, const std::string& name) const;

    const std::set<std::string>& buildFolders;
    std::set<std::string> walked;  // real folders
    std::vector<ProjectFile> files;
};

// Eclipse keeps its own state in dot folders (.settings, .launches); CCS
// writes its makefiles and objects into each configuration's build folder.
// No project lists a file whose name holds a line end, which no line of a
// .prj could name.
bool FileWalk::isLeftOut(const std::string& entry, const std::string& name) const {
    return entry[0] == '.' || (name.empty() && buildFolders.count(entry) != 0) ||
           entry.find('\n') != std::string::npos;
}

// name is where the project shows folder; empty for the project itself.
void FileWalk::walk(const std::string& folder, const std::string& name) {
    const std::optional<std::string> real = host::realFolder(folder);
    if (!real || !walked.insert(*real).second)
        return;
    for (const host::FolderEntry& entry : host::sortedFolderEntries(folder)) {
        if (isLeftOut(entry.name, name))
            continue;
        const std::string path = folder + "\\" + entry.name;
        const std::string entryName = name.empty() ? entry.name : name + "/" + entry.name;
        if (entry.isFolder)
            walk(path, entryName);
        else
            add({entryName, path});
    }
}

}  // namespace

std::vector<ProjectFile> projectFiles(const std::string& projectFolder, const std::vector<ResolvedLink>& links,
                                      const std::set<std::string>& buildFolders) {
    FileWalk walk(buildFolders);
    walk.walk(projectFolder, std::string());
    for (const ResolvedLink& link : links) {
        if (!link.path)
            continue;
        if (link.isFolder)
            walk.walk(*link.path, link.name);
        else
            walk.add({link.name, *link.path});
    }
    return walk.take();
}
