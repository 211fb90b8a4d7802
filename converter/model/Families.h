#ifndef KORRIN_FAMILIES_H
#define KORRIN_FAMILIES_H

#include <string>

#include "model/Target.h"

// The family of a compiler as TI names its install folder,
// 'ti-cgt-<family>_<version>': "c2000", "msp430", "arm", "armllvm" (TI's
// clang-based ARM compiler), "c6000", "c5500", "pru"; empty for a compiler
// TI does not install so.
std::string compilerFolderFamily(InstructionSet instructionSet, Compiler compiler);

#endif
