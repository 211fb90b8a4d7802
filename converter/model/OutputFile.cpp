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
    stream << line << "\r\n";
    throwOnFailure();
}

void OutputFile::writeText(const std::string& text) {
    stream << text;
    throwOnFailure();
}

void OutputFile::close() {
    stream.close();
    throwOnFailure();
}

void OutputFile::throwOnFailure() {
    if (stream.fail())
        throw IOERROR{2, path};
}
