#ifndef KORRIN_CONVERSION_ERROR_H
#define KORRIN_CONVERSION_ERROR_H

#include <string>

// A failure that ends a conversion: what failed, the path or name concerned,
// and the console line that says so, made where the failure is met. The
// driver prints the line as the run's last.
struct ConversionError {
    enum class Kind {
        CannotOpenProject,   // the project file cannot be read
        NotACcsProject,      // a folder or file that holds no Code Composer Studio project
        MalformedProject,    // a project file that is no well-formed XML
        CannotCreateFolder,  // a folder cannot be made, or no host could make it
        CannotWriteFile,     // a file cannot be opened for writing
        OutsideDestination,  // a group's folder would lie outside the destination
    };

    ConversionError(Kind kind, std::string subject);

    Kind kind;
    std::string subject;
    std::string message;
};

#endif
