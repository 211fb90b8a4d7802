#ifndef KORRIN_PROJECT_FILE_READER_H
#define KORRIN_PROJECT_FILE_READER_H

#include <fstream>
#include <list>
#include <string>
#include <vector>

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
    // The next line without its line end; false at the end of the file.
    bool readLine(std::string& line);
    // The next block of the file; false at its end.
    bool readBlock();

    SourceGroup* projectGroup = nullptr;
    ProjectConverter* converter = nullptr;
    std::string filePath;
    std::ifstream input;
    std::vector<char> block;  // read from the file; lines are cut from it
    std::size_t blockStart = 0, blockEnd = 0;
    std::list<std::string> extensions;
};

#endif
