#include "model/OutputFile.h"

#include "ConversionErrors.h"
#include "host/Host.h"

OutputFile::OutputFile(const std::string& filePath) : path(filePath) {
    if (!host::openForWriting(stream, path))
        throw IOERROR{2, path};
}

void OutputFile::writeLine(const std::string& line) {
    stream << line << "\r\n";
    flushOrThrow();
}

void OutputFile::writeText(const std::string& text) {
    stream << text;
    flushOrThrow();
}

void OutputFile::close() {
    stream.close();
    if (stream.fail())
        throw IOERROR{2, path};
}

void OutputFile::flushOrThrow() {
    stream.flush();
    if (stream.fail())
        throw IOERROR{2, path};
}
