#include "writers/cdb/DiskSpelling.h"

#include <utility>

#include "base/PathText.h"

namespace {

std::vector<std::string> splitNames(const std::string& path) {
    std::vector<std::string> names;
    std::string::size_type start = 0;
    for (std::string::size_type slash; (slash = path.find('\\', start)) != std::string::npos; start = slash + 1)
        names.push_back(path.substr(start, slash - start));
    names.push_back(path.substr(start));
    return names;
}

}  // namespace

DiskSpelling::DiskSpelling(std::string baseFolder) : base(std::move(baseFolder)) {}

std::string DiskSpelling::onDisk(const std::string& path) const {
    return host::isAbsolute(path) ? path : base + "\\" + path;
}

std::optional<std::string> DiskSpelling::find(const std::string& path) {
    if (host::exists(onDisk(path)))
        return path;
    if (!host::namesRespectCase())
        return std::nullopt;
    std::vector<std::string> names = splitNames(path);
    std::vector<std::string> found;
    if (host::isAbsolute(path))
        match(names, 1, names.front() + "\\", found);
    else
        match(names, 0, std::string(), found);
    if (found.size() != 1)
        return std::nullopt;
    return found.front();
}

// Extends prefix, the path up to names[next] as it is on disk with its "\",
// by every entry that matches names[next]; collects at most two whole paths.
void DiskSpelling::match(const std::vector<std::string>& names, std::size_t next, const std::string& prefix,
                         std::vector<std::string>& found) {
    if (found.size() > 1)
        return;
    const std::string& name = names[next];
    const bool last = next + 1 == names.size();
    auto descend = [&](const std::string& spelling) {
        if (last)
            found.push_back(prefix + spelling);
        else
            match(names, next + 1, prefix + spelling + "\\", found);
    };
    if (name.empty() || name == "." || name == "..") {
        descend(name);
        return;
    }
    const std::string wanted = upperCase(name);
    for (const host::FolderEntry& entry : entriesOf(prefix.empty() ? "." : prefix))
        if ((entry.isFolder || last) && upperCase(entry.name) == wanted)
            descend(entry.name);
}

const std::vector<host::FolderEntry>& DiskSpelling::entriesOf(const std::string& folder) {
    auto listed = listings.find(folder);
    if (listed == listings.end())
        listed = listings.emplace(folder, host::folderEntries(onDisk(folder)).value_or(std::vector<host::FolderEntry>()))
                     .first;
    return listed->second;
}
