#ifndef KORRIN_COMBINED_DATABASE_H
#define KORRIN_COMBINED_DATABASE_H

#include <set>
#include <string>
#include <vector>

#include "writers/OutputFile.h"

// One compilation database for a folder of many projects, written as they
// convert, so that clangd and clang-tidy serve the whole folder from it:
// from each project the entries of one configuration (the one named, where
// the project has it, else its first), each file once, from the innermost
// project whose folder holds it.
class CombinedDatabase {
public:
    // projectFolders: the folder of every project of the run, which decide
    // whose entry a file's is. Throws ConversionError (CannotWriteFile) when
    // the file cannot be written.
    CombinedDatabase(const std::string& path, std::string configuration, std::vector<std::string> projectFolders);

    const std::string& path() const { return filePath; }
    const std::string& configuration() const { return configurationName; }

    // The project whose entries come next, by its folder.
    void startProject(const std::string& projectFolder) { currentFolder = projectFolder; }
    // Adds the entry (its lines, an object of JSON) of file when it is the
    // current project's to give and no project gave it before.
    void add(const std::string& file, const std::vector<std::string>& entryLines);
    // Ends the database; the entries written so far are whole without it too.
    void close();

private:
    const std::string* innermostFolderOf(const std::string& file) const;

    std::string filePath;
    OutputFile file;
    std::string configurationName;
    std::vector<std::string> projectFolders;
    std::string currentFolder;
    std::set<std::string> given;
    bool first = true;
};

#endif
