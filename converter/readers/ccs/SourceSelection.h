#ifndef KORRIN_SOURCE_SELECTION_H
#define KORRIN_SOURCE_SELECTION_H

#include <list>
#include <string>

#include "readers/ccs/CdtConfigurations.h"

// Whether a file is what a C or C++ analysis of TI code reads: a C, C++,
// CLA or assembly source or a header, by its extension in any letter case.
bool isCcsSourceOrHeader(const std::string& name);

// Whether a file is one to convert: one of the extensions, else (none
// given) a source or header.
bool isAcceptedFile(const std::string& name, const std::list<std::string>& extensions);

// Whether the configuration builds the file the project shows at name: it
// lies in the deepest of the configuration's source folders that holds it
// (the whole project when it names none), which does not exclude it, and
// no excluded resource holds it.
bool isSourceOf(const std::string& name, const CdtConfiguration& configuration);

// The settings of the file the project shows at name, if it or a folder
// holding it has any: the file's own first, else the deepest folder's.
const ResourceSettings* resourceSettingsOf(const std::string& name, const CdtConfiguration& configuration);

#endif
