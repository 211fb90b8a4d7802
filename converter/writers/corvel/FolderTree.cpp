#include "writers/corvel/FolderTree.h"

#include <utility>
#include <vector>

#include "base/ConversionError.h"
#include "host/Host.h"
#include "writers/corvel/GroupFolders.h"

namespace {

// No host creates a folder with a longer path. Refusing such a chain early
// also keeps a pathological one from costing memory and time with the
// square of its depth.
const std::string::size_type longestFolderPath = 4096;

const std::string driveColon = ":";
const std::string driveName = "_colon";

std::vector<std::string> folderNames(const std::string& path) {
    std::string rest = path;
    std::string::size_type colon = rest.find(driveColon);
    if (colon != std::string::npos)
        rest.replace(colon, driveColon.size(), driveName);
    std::string::size_type lastSlash = rest.rfind('\\');
    if (lastSlash == std::string::npos)
        return {};
    rest.erase(lastSlash + 1);

    std::vector<std::string> names;
    for (std::string::size_type start = 0, slash; (slash = rest.find('\\', start)) != std::string::npos;
         start = slash + 1) {
        std::string name = rest.substr(start, slash - start);
        if (name == "..") {
            if (!names.empty())
                names.pop_back();
        } else if (!name.empty() && name != ".") {
            names.push_back(name);
        }
    }
    return names;
}

// The real folder a folder group stands for: its chain so far, each name
// with its "\", the drive written back as "C:", and one more "\". Where
// paths start at one root, the chain is mirrored from that root: the
// folder is absolute, "\" and the chain, and ends in one "\".
std::string folderGroupSource(std::string accumulated) {
    std::string::size_type drive = accumulated.find(driveName);
    if (drive != std::string::npos)
        accumulated.replace(drive, driveName.size(), driveColon);
    if (host::pathsStartAtOneRoot())
        return "\\" + accumulated;
    return accumulated + "\\";
}

std::string toFolderChain(const std::vector<std::string>& names) {
    std::string chain;
    for (const std::string& name : names)
        chain += name + "\\";
    return chain;
}

}  // namespace

std::string toFolderChain(const std::string& path) { return toFolderChain(folderNames(path)); }

FolderGroups::FolderGroups(SourceGroup& group, const PathStore& paths, std::string groupFolder)
    : group(group), paths(paths), groupFolder(std::move(groupFolder)) {}

void FolderGroups::placeInFolderTree(SourceIndex source) {
    const std::string_view path = paths[source];
    // The chain depends on nothing but the text up to the last "\".
    const std::string_view::size_type slash = path.rfind('\\');
    const std::string_view folder = path.substr(0, slash == std::string_view::npos ? 0 : slash + 1);
    if (lastGroup == nullptr || folder != lastFolder) {
        lastGroup = deepestGroup(std::string(path));
        lastFolder = folder;
    }
    lastGroup->addFile(source);
}

SourceGroup* FolderGroups::deepestGroup(const std::string& path) {
    std::vector<std::string> names = folderNames(path);
    std::string chain = toFolderChain(names);
    if (groupFolder.size() + 1 + chain.size() > longestFolderPath)
        throw ConversionError(ConversionError::Kind::CannotCreateFolder, groupFolder + "\\" + chain);
    SourceGroup* current = &group;
    std::string accumulated;
    for (const std::string& name : names) {
        accumulated += name + "\\";
        SourceGroup* child = current->findChild(name);
        if (child == nullptr) {
            SourceGroup folderGroup(name);
            folderGroup.setSourceFolder(folderGroupSource(accumulated));
            child = &current->addChild(std::move(folderGroup));
        }
        current = child;
    }
    return current;
}

namespace {

// Moves the group's files into its folder groups. A source whose chain no
// host could create stays in the group, so that the group is still written
// when names are checked; the first such chain is kept in tooDeep.
void replicate(SourceGroup& group, const std::string& folder, const PathStore& paths,
               std::optional<ConversionError>& tooDeep) {
    FolderGroups folders(group, paths, folder);
    for (SourceIndex source : group.takeFiles()) {
        try {
            folders.placeInFolderTree(source);
        } catch (const ConversionError& error) {
            if (!tooDeep)
                tooDeep = error;
            group.addFile(source);
        }
    }
}

}  // namespace

std::optional<ConversionError> replicateSourceTree(Project& project, const std::string& destination) {
    std::optional<ConversionError> tooDeep;
    SourceGroup& root = project.root;
    if (root.getChildren().empty()) {
        replicate(root, groupFolder(destination, std::string(), root.getName()), project.paths, tooDeep);
        return tooDeep;
    }
    const std::string rootPath = groupPath(std::string(), root.getName());
    for (SourceGroup& configuration : root.getChildren())
        replicate(configuration, groupFolder(destination, rootPath, configuration.getName()), project.paths, tooDeep);
    return tooDeep;
}
