#ifndef KORRIN_PRODUCT_METADATA_H
#define KORRIN_PRODUCT_METADATA_H

#include <string>

#include "installs/TiInstalls.h"

// The product installed in folder (named folderName), as its .metadata
// describes it: id and version of .tirex/package.tirex.json (the first
// object of its array), else of product.json or sdk.json; the macro of
// .tirex/package.ccs.json (rootMacroName) with its compilerIncludePath and
// compilerSymbols, else the one CCS names after the id. A file that is
// missing, unreadable, larger than 4 MiB or not of that shape tells nothing,
// and what nothing tells comes from the folder's name.
ProductInstall readProduct(const std::string& folder, const std::string& folderName);

// The prefix of the macros CCS names after a product's id: "COM_TI_" and the
// id in upper case, every character other than a letter or digit as "_",
// "com.ti." left off: 'com.ti.MCU_PLUS_SDK_AM64X' gives 'COM_TI_MCU_PLUS_SDK_AM64X'.
std::string macroPrefixOf(const std::string& id);

#endif
