#ifndef KORRIN_FOLDER_TREE_H
#define KORRIN_FOLDER_TREE_H

#include <optional>
#include <string>
#include <string_view>

#include "base/ConversionError.h"
#include "model/Project.h"

// The folders of a file path from the drive down, each followed by "\", with
// "." and ".." resolved and a drive "C:" written as "C_colon":
// 'C:\work\app\..\lib\util.c' gives 'C_colon\work\lib\'. A path without any
// "\" gives the empty chain.
std::string toFolderChain(const std::string& path);

// The folder groups below one group, which is written to groupFolder.
class FolderGroups {
public:
    FolderGroups(SourceGroup& group, const PathStore& paths, std::string groupFolder);

    // Puts the source into the deepest of the folder groups of its chain, creating
    // the missing ones. A chain whose folders no host could create, one that
    // would make the path of the deepest folder longer than 4096 bytes,
    // throws ConversionError (CannotCreateFolder) with that path and places
    // nothing. Sources come folder by folder, so the deepest group of the
    // last folder is kept.
    void placeInFolderTree(SourceIndex source);

private:
    SourceGroup* deepestGroup(const std::string& path);

    SourceGroup& group;
    const PathStore& paths;
    std::string groupFolder;
    std::string_view lastFolder;  // the last path placed, up to its last "\"
    SourceGroup* lastGroup = nullptr;
};

// "-rp": every configuration (the project itself when it has none) holds
// its sources in a chain of groups that mirrors their folders. Returns the
// first chain that no host could create, if any: its sources stay in their
// configuration, and the run is to fail once every name has been checked.
std::optional<ConversionError> replicateSourceTree(Project& project, const std::string& destination);

#endif
