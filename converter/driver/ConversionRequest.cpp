#include "driver/ConversionRequest.h"

#include "base/PathText.h"
#include "host/Host.h"

void addExtensions(ConversionRequest& request, const std::string& value) {
    std::string::size_type start = 0;
    for (std::string::size_type comma; (comma = value.find(',', start)) != std::string::npos; start = comma + 1)
        request.extensions.push_back(value.substr(start, comma - start));
    request.extensions.push_back(value.substr(start));
}

void defineBuildMacro(ConversionRequest& request, const std::string& definition) {
    std::string::size_type equals = definition.find('=');
    if (equals != std::string::npos)
        request.buildMacros[upperCase(definition.substr(0, equals))] = host::fromArgument(definition.substr(equals + 1));
}
