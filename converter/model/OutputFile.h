#ifndef KORRIN_OUTPUT_FILE_H
#define KORRIN_OUTPUT_FILE_H

#include <cstddef>
#include <fstream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "model/BlockWriter.h"

// A file the converter writes. Lines end with CR LF on every host. The text
// reaches the file in large blocks; a block that cannot be written throws
// IOERROR code 2 with the file's path, and so does any other failure,
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
    // Writes a long list of lines: while they fill a block, the block before
    // is written on another thread. Returns once they have all been handed to
    // the file, or throws as a failed block would.
    template <class Lines>
    void writeLines(const Lines& lines) {
        startBackground();
        for (std::string_view line : lines)
            writeLine(line);
        finishBackground();
    }
    void writeText(std::string_view text);
    void close();

private:
    void write(std::string_view bytes);
    void writeBlock();
    void startBackground();
    void finishBackground();

    std::string path;
    std::vector<char> block;  // what has not reached the file yet, up to used
    std::size_t used = 0;
    std::ofstream stream;     // unbuffered: it is handed whole blocks
    bool background = false;  // full blocks go to the writer
    std::unique_ptr<BlockWriter> writer;  // made when a block first fills in writeLines
};

#endif
