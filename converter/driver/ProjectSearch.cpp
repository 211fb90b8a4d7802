#include "driver/ProjectSearch.h"

#include <set>

#include "base/PathText.h"
#include "host/Host.h"
#include "host/SortedEntries.h"
#include "readers/eclipse/CcsReader.h"
#include "readers/projectspec/ProjectSpecReader.h"

namespace {

class ProjectSearch {
public:
    explicit ProjectSearch(bool withOwn) : withOwn(withOwn) {}
    void search(const std::string& folder, const std::string& below);
    std::vector<FoundProject> take() { return std::move(found); }

private:
    bool withOwn;
    std::set<std::string> searched;  // real folders
    std::vector<FoundProject> found;
};

std::string joined(const std::string& below, const std::string& name) { return below.empty() ? name : below + "\\" + name; }

void ProjectSearch::search(const std::string& folder, const std::string& below) {
    const std::optional<std::string> real = host::realFolder(folder);
    if (!real || !searched.insert(*real).second)
        return;
    std::set<std::string> buildFolders;
    if (host::isRegularFile(folder + "\\.project")) {
        const CcsProjectIdentity identity = identifyCcsProject(folder);
        if (identity.isCcs && (withOwn || !below.empty()))
            found.push_back({folder, folder, below, identity.name});
        buildFolders = identity.buildFolders;
    }
    const std::vector<host::FolderEntry> entries = host::sortedFolderEntries(folder);
    for (const host::FolderEntry& entry : entries) {
        const std::string path = folder + "\\" + entry.name;
        if (!entry.isFolder && isProjectSpecLocation(path))
            found.push_back({path, folder, below, projectSpecName(path)});
    }
    for (const host::FolderEntry& entry : entries)
        if (entry.isFolder && entry.name[0] != '.' && buildFolders.count(entry.name) == 0)
            search(folder + "\\" + entry.name, joined(below, entry.name));
}

}  // namespace

std::vector<FoundProject> findProjects(const std::string& folder, bool withOwn) {
    const std::string top = withoutTrailingSeparator(folder);
    ProjectSearch search(withOwn);
    search.search(top, std::string());
    return search.take();
}
