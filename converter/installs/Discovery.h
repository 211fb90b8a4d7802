#ifndef KORRIN_DISCOVERY_H
#define KORRIN_DISCOVERY_H

#include <string>
#include <vector>

#include "installs/TiInstalls.h"

// What the TI folders hold, looked for in their order, each folder once
// however it is reached; one that is no folder is passed over. Only names
// and the products' small metadata files are read, at fixed depths, never
// what an SDK holds:
// - '<ti>\ccs*\ccs': a CCS, with the compilers of its tools\compiler;
// - '<ti>\ti-cgt-<family>_<version>' (or '<family>_<version>' in a CCS): a compiler;
// - '<ti>\<name>_<version>', or a folder with .metadata, directly or one
//   level down ('<ti>\c2000\C2000Ware_5_05_00_00'): a product.
TiInstalls discoverTiInstalls(const std::vector<std::string>& tiFolders);

#endif
