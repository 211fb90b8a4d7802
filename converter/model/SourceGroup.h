#ifndef KORRIN_SOURCE_GROUP_H
#define KORRIN_SOURCE_GROUP_H

#include <list>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "model/Definition.h"
#include "model/SourceList.h"

// One node of the group tree: the project, a configuration or a folder, with
// its files and the include folders and definitions in force there.
class SourceGroup {
public:
    explicit SourceGroup(std::string name);
    // Moved, never copied: the index of children points into the group.
    SourceGroup(SourceGroup&&) = default;
    SourceGroup& operator=(SourceGroup&&) = default;
    SourceGroup(const SourceGroup&) = delete;
    SourceGroup& operator=(const SourceGroup&) = delete;

    void addFile(SourceIndex source) { files.add(source); }
    void addFiles(const SourceList& list) { files.add(list); }
    // The files, which the group holds no longer.
    SourceList takeFiles();
    SourceGroup& addChild(SourceGroup group);
    // The first child of that name, if any.
    SourceGroup* findChild(const std::string& childName);
    void addIncludePath(const std::string& path) { includePaths.insert(path); }
    // Definitions are kept as given, in order; a later one of a name wins.
    void define(Definition definition) { definitions.push_back(std::move(definition)); }
    void setSourceFolder(const std::string& folder) { sourceFolder = folder; }

    const std::string& getName() const { return name; }
    const std::string& getSourceFolder() const { return sourceFolder; }
    const SourceList& getFiles() const { return files; }
    const std::set<std::string>& getIncludePaths() const { return includePaths; }
    const std::vector<Definition>& getDefinitions() const { return definitions; }
    // The definition in force for each name: the last given.
    std::map<std::string, Definition> definitionsByName() const;
    const std::list<SourceGroup>& getChildren() const { return children; }
    std::list<SourceGroup>& getChildren() { return children; }

    bool hasOwnSettings() const { return !includePaths.empty() || !definitions.empty(); }
    bool isEmpty() const { return files.empty() && children.empty(); }

private:
    std::string name;
    std::string sourceFolder;
    SourceList files;  // of the project's PathStore
    std::set<std::string> includePaths;
    std::vector<Definition> definitions;
    std::list<SourceGroup> children;
    // The first child of each name; the names live in the children's nodes.
    std::unordered_map<std::string_view, SourceGroup*> childrenByName;
};

#endif
