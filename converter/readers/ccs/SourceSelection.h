#ifndef KORRIN_SOURCE_SELECTION_H
#define KORRIN_SOURCE_SELECTION_H

#include <list>
#include <string>


// Whether a file is what a C or C++ analysis of TI code reads: a C, C++,
// CLA or assembly source or a header, by its extension in any letter case.
bool isCcsSourceOrHeader(const std::string& name);

// Whether a file is one to convert: one of the extensions, else (none
// given) a source or header.
bool isAcceptedFile(const std::string& name, const std::list<std::string>& extensions);

#endif
