#ifndef KORRIN_LINE_READER_H
#define KORRIN_LINE_READER_H

#include <cstddef>
#include <fstream>
#include <string>
#include <vector>

// Cuts the lines of a file out of large blocks. A line ends at LF; the CR of
// a CR LF goes with it.
class LineReader {
public:
    // False when the file cannot be opened for reading.
    bool open(const std::string& path);
    void close();

    // The next line without its line end; false at the end of the file.
    bool readLine(std::string& line);

private:
    bool readBlock();

    std::ifstream input;
    std::vector<char> block;  // lines are cut from it
    std::size_t blockStart = 0, blockEnd = 0;
};

#endif
