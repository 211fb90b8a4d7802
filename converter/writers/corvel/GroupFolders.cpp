#include "writers/corvel/GroupFolders.h"

#include "base/ConversionError.h"
#include "base/PathText.h"
#include "model/SourceGroup.h"

std::string groupPath(const std::string& parentPath, const std::string& name) {
    return parentPath.empty() ? name : parentPath + "\\" + name;
}

std::string parentFolder(const std::string& destination, const std::string& parentPath) {
    return parentPath.empty() ? destination : destination + "\\" + parentPath;
}

std::string groupFolder(const std::string& destination, const std::string& parentPath, const std::string& name) {
    return parentFolder(destination, parentPath) + "\\" + name;
}

namespace {

// path is where name leads below the destination.
void refuseOutside(const std::string& name, const std::string& path) {
    if (name.find('\0') != std::string::npos || !staysInside(path))
        throw ConversionError(ConversionError::Kind::OutsideDestination, name);
}

void refuseGroupsOutside(const SourceGroup& group, const std::string& parentPath) {
    if (group.isEmpty())
        return;
    std::string path = groupPath(parentPath, group.getName());
    refuseOutside(group.getName(), path);
    for (const SourceGroup& child : group.getChildren())
        refuseGroupsOutside(child, path);
}

}  // namespace

void refuseGroupsOutside(const SourceGroup& root) { refuseGroupsOutside(root, std::string()); }

void refuseProjectNameOutside(const std::string& projectName) { refuseOutside(projectName, projectName); }
