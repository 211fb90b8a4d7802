#ifndef KORRIN_GROUP_FOLDERS_H
#define KORRIN_GROUP_FOLDERS_H

#include <string>

class SourceGroup;

// Where each group of the tree is written. A group's path is the names of
// its ancestors from the root down and its own, joined by "\"; its folder is
// its parent's folder, "\" and its name.

// The path of the group named name whose parent's path is parentPath
// (empty for the root).
std::string groupPath(const std::string& parentPath, const std::string& name);

// The folder of the group whose path is parentPath: '{destination}\{parentPath}',
// or the destination itself for the root's empty parent path.
std::string parentFolder(const std::string& destination, const std::string& parentPath);

// '{parentFolder}\{name}'. An empty name still adds its "\": a project file
// named '.pjt' is written to '{destination}\\'.
std::string groupFolder(const std::string& destination, const std::string& parentPath, const std::string& name);

// Names come from the project file: throws ConversionError
// (OutsideDestination) with the name of the first group, in the order the
// writer meets them, whose folder would lie outside the destination folder
// or whose name holds a NUL. Empty groups are not written and pass.
void refuseGroupsOutside(const SourceGroup& root);

// A project name that a project file gives names the .prj and the default
// personalities: throws ConversionError (OutsideDestination) with it when
// they would lie outside the destination folder, or it holds a NUL.
void refuseProjectNameOutside(const std::string& projectName);

#endif
