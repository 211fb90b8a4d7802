#ifndef KORRIN_CPU_FAMILIES_H
#define KORRIN_CPU_FAMILIES_H

#include <optional>
#include <string>
#include <vector>

#include "model/Project.h"

// What a host parser (clang, cppcheck) needs to read sources written for
// TI's compiler of a CPU family ('TMS320C28XX', letter case aside): the
// macros that compiler always predefines for the family, as "NAME", then its
// language keywords defined away, as "NAME=". Nothing for an unknown family.
std::vector<std::string> cpuFamilyDefinitions(const std::string& cpuFamily);

// clang's target for an instruction set it compiles for itself.
std::optional<std::string> clangTarget(InstructionSet instructionSet);

#endif
