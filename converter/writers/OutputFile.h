#ifndef KORRIN_OUTPUT_FILE_H
#define KORRIN_OUTPUT_FILE_H

#include <cstddef>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

// A file the converter writes. Lines end with CR LF on every host. The text
// reaches the file in large blocks; a block that cannot be written throws
// ConversionError (CannotWriteFile) with the file's path, and so does any other failure,
// opening included. Whatever was written before a failure is on disk once
// the object is gone.
class OutputFile {
public:
    // Creates or truncates the file.
    explicit OutputFile(const std::string& filePath);
    ~OutputFile();
    OutputFile(const OutputFile&) = delete;
    OutputFile& operator=(const OutputFile&) = delete;

    void writeLine(std::string_view line);
    void writeText(std::string_view text);
    void close();

private:
    void write(std::string_view bytes);
    // Room for more in the block: a larger block, or the same once written.
    void makeRoom();
    void writeBlock();

    std::string path;
    std::vector<char> block;  // what has not reached the file yet, up to used
    std::size_t used = 0;
    std::ofstream stream;     // unbuffered: it is handed whole blocks
};

#endif
