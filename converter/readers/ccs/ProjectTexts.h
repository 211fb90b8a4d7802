#ifndef KORRIN_PROJECT_TEXTS_H
#define KORRIN_PROJECT_TEXTS_H

#include <string>
#include <vector>

// CCS writes every name and path of a project on one line, and the .prj
// and the personalities give each a line: one that holds a line end could
// not be written where it belongs. Throws ConversionError
// (MalformedProject) naming the project's location then.
void requireOneLineEach(const std::string& location, const std::vector<std::string>& texts);

#endif
