#ifndef KORRIN_BUILD_MACROS_H
#define KORRIN_BUILD_MACROS_H

#include <map>
#include <string>

// Values of build macros given with "-var NAME=VALUE", by upper-cased name:
// the macros that project files begin their paths with.
using BuildMacros = std::map<std::string, std::string>;

#endif
