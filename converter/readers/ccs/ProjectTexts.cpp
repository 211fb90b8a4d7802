#include "readers/ccs/ProjectTexts.h"

#include "base/ConversionError.h"

void requireOneLineEach(const std::string& location, const std::vector<std::string>& texts) {
    for (const std::string& text : texts)
        if (text.find('\n') != std::string::npos)
            throw ConversionError(ConversionError::Kind::MalformedProject,
                                  location + " (a name or path holds a line end)");
}
