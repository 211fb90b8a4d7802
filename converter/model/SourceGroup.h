#ifndef KORRIN_SOURCE_GROUP_H
#define KORRIN_SOURCE_GROUP_H

#include <list>
#include <map>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>

#include "model/PathStore.h"
#include "model/SourceList.h"

class ProjectConverter;
class OutputFile;

// One node of the group tree: a project block of the .prj file with its own
// folder below the destination folder.
class SourceGroup {
public:
    SourceGroup(const std::string& name, const ProjectConverter* converter);
    // Moved, never copied: the index of children points into the group.
    SourceGroup(SourceGroup&&) = default;
    SourceGroup& operator=(SourceGroup&&) = default;
    SourceGroup(const SourceGroup&) = delete;
    SourceGroup& operator=(const SourceGroup&) = delete;

    void addFile(SourcePath path) { files.add(path); }
    void addFiles(const SourceList& list) { files.add(list); }
    SourceGroup& addChild(SourceGroup group);
    // The first child of that name, if any.
    SourceGroup* findChild(const std::string& childName);
    void addIncludePath(const std::string& path) { includePaths.insert(path); }
    void defineMacro(const std::string& macro, const std::string& value) { macroDefinitions[macro] = value; }
    void setSourceFolder(const std::string& folder) { sourceFolder = folder; }

    const std::string& getName() const { return name; }
    const std::string& getSourceFolder() const { return sourceFolder; }
    const SourceList& getFiles() const { return files; }
    const std::set<std::string>& getIncludePaths() const { return includePaths; }
    const std::map<std::string, std::string>& getMacroDefinitions() const { return macroDefinitions; }
    const std::list<SourceGroup>& getChildren() const { return children; }
    std::list<SourceGroup>& getChildren() { return children; }
    const ProjectConverter& getConverter() const { return *converter; }

    bool hasOwnSettings() const { return !includePaths.empty() || !macroDefinitions.empty(); }
    bool isEmpty() const { return files.empty() && children.empty(); }

    // Writes this group's block (and its children's) and creates its folders
    // and personality files. Defined in model/ProjectFileWriter.cpp.
    void writeGroup(OutputFile& project, const std::string& parentPath,
                    std::string inheritedAnalyserPersonality) const;
    // Writes the include and definition lines, then the given template.
    // Defined in model/Personalities.cpp.
    void writeAnalyserPersonality(const std::string& path) const;

private:
    std::string name;
    std::string sourceFolder;
    SourceList files;  // in the converter's PathStore
    std::set<std::string> includePaths;
    std::map<std::string, std::string> macroDefinitions;
    std::list<SourceGroup> children;
    // The first child of each name; the names live in the children's nodes.
    std::unordered_map<std::string_view, SourceGroup*> childrenByName;
    const ProjectConverter* converter;
};

#endif
