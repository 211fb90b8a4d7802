#ifndef KORRIN_OUTPUT_FILE_H
#define KORRIN_OUTPUT_FILE_H

#include <fstream>
#include <string>

// A file the converter writes. Lines end with CR LF on every host, and each
// line reaches the file at once, so a failure part-way leaves every line
// written before it. Every failure, opening included, throws IOERROR code 2
// with the file's path.
class OutputFile {
public:
    // Creates or truncates the file.
    explicit OutputFile(const std::string& filePath);

    void writeLine(const std::string& line);
    void writeText(const std::string& text);
    void close();

private:
    void flushOrThrow();

    std::string path;
    std::ofstream stream;
};

#endif
