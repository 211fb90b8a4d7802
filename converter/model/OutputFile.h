#ifndef KORRIN_OUTPUT_FILE_H
#define KORRIN_OUTPUT_FILE_H

#include <fstream>
#include <memory>
#include <string>

// A file the converter writes. Lines end with CR LF on every host. The text
// reaches the file in large blocks; a block that cannot be written throws
// IOERROR code 2 with the file's path, and so does any other failure,
// opening included. Whatever was written before a failure is on disk once
// the object is gone.
class OutputFile {
public:
    // Creates or truncates the file.
    explicit OutputFile(const std::string& filePath);

    void writeLine(const std::string& line);
    void writeText(const std::string& text);
    void close();

private:
    void write(const char* bytes, std::size_t count);
    void throwOnFailure();

    std::string path;
    std::unique_ptr<char[]> buffer;  // outlives the stream that writes from it
    std::ofstream stream;
};

#endif
