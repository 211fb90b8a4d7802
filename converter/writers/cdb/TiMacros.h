#ifndef KORRIN_TI_MACROS_H
#define KORRIN_TI_MACROS_H

#include <string>
#include <vector>

#include "model/Target.h"

// What the target's compiler predefines for a source, as "NAME" or
// "NAME=value": its version, the types TI's own headers take from the
// compiler, the macros of the instruction set, of the options given and of
// the device; then the keywords a host parser does not know, as "NAME=".
// A CLA source is compiled for the control law accelerator.
std::vector<std::string> tiDefinitions(const Target& target, bool cla);

// A version "major.minor.patch..." as a number of as many digits per part:
// "15.12.3.LTS" with 3 is 15012003 (TI's compilers), "3.2.0" with 2 is 30200
// (TI's clang-based one).
std::string versionNumber(const std::string& version, int digitsPerPart);

#endif
