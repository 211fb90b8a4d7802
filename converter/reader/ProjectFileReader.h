#ifndef KORRIN_PROJECT_FILE_READER_H
#define KORRIN_PROJECT_FILE_READER_H

#include <list>
#include <string>

#include "reader/LineReader.h"

class ProjectConverter;
class SourceGroup;

// Reads a Code Composer project file line by line into the group tree.
class ProjectFileReader {
public:
    void setProjectGroup(SourceGroup* group) { projectGroup = group; }
    void setConverter(ProjectConverter* owner) { converter = owner; }
    void setExtensions(const std::list<std::string>& list) { extensions = list; }

    // Opens the file for reading; throws AsciiReaderError code 2 when it cannot.
    void openFile(const std::string& path);
    // Reads every line, fills the tree and places the sources; true once the
    // whole file is read. A source whose folder groups no host could create
    // throws IOERROR code 1, or code 3 when a group's name leaves the
    // destination folder.
    bool parseProject();

private:
    SourceGroup* projectGroup = nullptr;
    ProjectConverter* converter = nullptr;
    std::string filePath;
    LineReader input;
    std::list<std::string> extensions;
};

#endif
