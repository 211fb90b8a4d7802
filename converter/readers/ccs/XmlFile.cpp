#include "readers/ccs/XmlFile.h"

#include <algorithm>
#include <fstream>
#include <iterator>

#include "base/ConversionError.h"
#include "base/PathText.h"
#include "host/Host.h"

namespace {

// "path:line:column: what", counting from 1 as editors do.
std::string placeOf(const std::string& path, const std::string& text, std::ptrdiff_t offset,
                    const char* description) {
    const auto at = text.begin() + std::clamp<std::ptrdiff_t>(offset, 0, static_cast<std::ptrdiff_t>(text.size()));
    const std::ptrdiff_t line = std::count(text.begin(), at, '\n') + 1;
    const auto lineStart = std::find(std::make_reverse_iterator(at), text.rend(), '\n').base();
    return path + ":" + std::to_string(line) + ":" + std::to_string(at - lineStart + 1) + ": " + description;
}

}  // namespace

pugi::xml_document readXmlFile(const std::string& path) {
    std::ifstream input;
    if (!host::openForReading(input, path))
        throw ConversionError(ConversionError::Kind::CannotOpenProject, path);
    const std::string text((std::istreambuf_iterator<char>(input)), std::istreambuf_iterator<char>());
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size());
    if (!parsed)
        throw ConversionError(ConversionError::Kind::MalformedProject,
                              placeOf(path, text, parsed.offset, parsed.description()));
    return document;
}

std::string textOf(const pugi::xml_node& element) { return trimmed(element.text().as_string()); }
