#include "writers/OutputFile.h"

#include <algorithm>
#include <cstring>

#include "base/ConversionError.h"
#include "host/Host.h"

namespace {

// A file starts with a small block; one that fills it gets a large one, as
// the .prj of a large project does: a quarter as many system calls is a
// twentieth of such a run.
const std::size_t firstBlockSize = 64 * 1024;
const std::size_t largeBlockSize = 256 * 1024;

}  // namespace

OutputFile::OutputFile(const std::string& filePath) : path(filePath), block(firstBlockSize) {
    stream.rdbuf()->pubsetbuf(nullptr, 0);
    if (!host::openForWriting(stream, path))
        throw ConversionError(ConversionError::Kind::CannotWriteFile, path);
}

// After a failure elsewhere: what was written so far still reaches the file.
OutputFile::~OutputFile() {
    try {
        writeBlock();
    } catch (const ConversionError&) {
        // Already past a failure that is being reported.
    }
}

// A .prj has millions of lines: each is copied into the block with its line
// end in one go.
void OutputFile::writeLine(std::string_view line) {
    if (line.size() + 2 > block.size() - used) {
        write(line);
        write("\r\n");
        return;
    }
    std::memcpy(block.data() + used, line.data(), line.size());
    std::memcpy(block.data() + used + line.size(), "\r\n", 2);
    used += line.size() + 2;
}

void OutputFile::writeText(std::string_view text) { write(text); }

void OutputFile::write(std::string_view bytes) {
    while (!bytes.empty()) {
        if (used == block.size())
            makeRoom();
        std::size_t count = std::min(bytes.size(), block.size() - used);
        std::memcpy(block.data() + used, bytes.data(), count);
        used += count;
        bytes.remove_prefix(count);
    }
}

void OutputFile::makeRoom() {
    if (block.size() < largeBlockSize)
        block.resize(largeBlockSize);
    else
        writeBlock();
}

// The block is given up even when it fails: the destructor must not write it twice.
void OutputFile::writeBlock() {
    const std::streamsize count = static_cast<std::streamsize>(used);
    used = 0;
    if (count > 0 && stream.rdbuf()->sputn(block.data(), count) != count)
        throw ConversionError(ConversionError::Kind::CannotWriteFile, path);
}

void OutputFile::close() {
    writeBlock();
    stream.close();
    if (stream.fail())
        throw ConversionError(ConversionError::Kind::CannotWriteFile, path);
}
