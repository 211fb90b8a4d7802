#ifndef KORRIN_XML_FILE_H
#define KORRIN_XML_FILE_H

#include <string>
#include <string_view>

#include <pugixml.hpp>

// Reads the XML file at path. Throws ConversionError (CannotOpenProject)
// when it cannot be read, and (MalformedProject) with the file, line and
// column when it is no well-formed XML.
pugi::xml_document readXmlFile(const std::string& path);

// The text of an element, without the blanks and line ends around it.
std::string textOf(const pugi::xml_node& element);

#endif
