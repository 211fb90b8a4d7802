#ifndef KORRIN_LINE_READER_H
#define KORRIN_LINE_READER_H

#include <cstddef>
#include <cstdint>
#include <fstream>
#include <string>
#include <vector>

// Cuts the lines of a file out of large blocks, from its start or from any
// offset on. A line ends at LF; the CR of a CR LF goes with it.
class LineReader {
public:
    // False when the file cannot be opened for reading.
    bool open(const std::string& path);
    void close();

    // The file's length in bytes, as it was opened.
    std::uint64_t size() const { return length; }
    // Reads on from offset, which need not start a line.
    void seek(std::uint64_t offset);
    // Where the next line starts.
    std::uint64_t position() const { return blockOffset + blockStart; }

    // The next line without its line end; false at the end of the file.
    bool readLine(std::string& line);

private:
    bool readBlock();

    std::ifstream input;
    std::uint64_t length = 0;
    std::vector<char> block;  // lines are cut from it
    std::size_t blockStart = 0, blockEnd = 0;
    std::uint64_t blockOffset = 0;  // where the block starts in the file
};

#endif
