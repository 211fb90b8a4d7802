#ifndef KORRIN_CONVERSION_ERRORS_H
#define KORRIN_CONVERSION_ERRORS_H

#include <string>

// The failures that end a conversion. They carry codes, never message text:
// the driver alone turns them into console lines.

// Writing failed. Codes: 1, a folder cannot be created; 2, a file cannot be
// written; 3, a group would be written outside the destination folder (the
// path is then the group's name).
struct IOERROR {
    int code;
    std::string path;
};

// Reading failed. Code 2: the project file cannot be opened.
struct AsciiReaderError {
    int code;
};

#endif
