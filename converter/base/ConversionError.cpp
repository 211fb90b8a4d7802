#include "base/ConversionError.h"

#include <utility>

namespace {

const char* leadOf(ConversionError::Kind kind) {
    switch (kind) {
    case ConversionError::Kind::CannotOpenProject:
        return "Could not open file: ";
    case ConversionError::Kind::NotACcsProject:
        return "Not a Code Composer Studio project: ";
    case ConversionError::Kind::MalformedProject:
        return "Malformed project file: ";
    case ConversionError::Kind::CannotCreateFolder:
        return "Could not create directory: ";
    case ConversionError::Kind::CannotWriteFile:
        return "Could not write file: ";
    case ConversionError::Kind::OutsideDestination:
        break;
    }
    return "Refusing to write outside the destination folder: ";
}

}  // namespace

ConversionError::ConversionError(Kind kind, std::string subject)
    : kind(kind), subject(std::move(subject)), message(leadOf(kind) + this->subject) {}
