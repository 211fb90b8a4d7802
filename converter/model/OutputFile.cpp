#include "model/OutputFile.h"

#include "ConversionErrors.h"
#include "host/Host.h"

namespace {

const std::streamsize blockSize = 64 * 1024;

}  // namespace

OutputFile::OutputFile(const std::string& filePath) : path(filePath), buffer(new char[blockSize]) {
    stream.rdbuf()->pubsetbuf(buffer.get(), blockSize);
    if (!host::openForWriting(stream, path))
        throw IOERROR{2, path};
}

void OutputFile::writeLine(const std::string& line) {
    write(line.data(), line.size());
    write("\r\n", 2);
}

void OutputFile::writeText(const std::string& text) { write(text.data(), text.size()); }

// Straight into the stream's buffer: a .prj has millions of lines.
void OutputFile::write(const char* bytes, std::size_t count) {
    if (stream.rdbuf()->sputn(bytes, static_cast<std::streamsize>(count)) != static_cast<std::streamsize>(count))
        throw IOERROR{2, path};
}

void OutputFile::close() {
    stream.close();
    throwOnFailure();
}

void OutputFile::throwOnFailure() {
    if (stream.fail())
        throw IOERROR{2, path};
}
