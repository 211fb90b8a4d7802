#ifndef KORRIN_CONFIGURATION_SOURCES_H
#define KORRIN_CONFIGURATION_SOURCES_H

#include <string>
#include <vector>

#include "readers/eclipse/CdtConfigurations.h"

// Whether any configuration compiles with one of TI's tool chains.
bool usesTiToolChain(const std::vector<CdtConfiguration>& configurations);

// Whether the configuration builds the file the project shows at name: it
// lies in the deepest of the configuration's source folders that holds it
// (the whole project when it names none), which does not exclude it, and
// no excluded resource holds it.
bool isSourceOf(const std::string& name, const CdtConfiguration& configuration);

// The settings of the file the project shows at name, if it or a folder
// holding it has any: the file's own first, else the deepest folder's.
const ResourceSettings* resourceSettingsOf(const std::string& name, const CdtConfiguration& configuration);

#endif
