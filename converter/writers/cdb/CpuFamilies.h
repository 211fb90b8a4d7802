#ifndef KORRIN_CPU_FAMILIES_H
#define KORRIN_CPU_FAMILIES_H

#include <string>
#include <vector>

// What a host parser (clang, cppcheck) needs to read sources written for
// TI's compiler of a CPU family ('TMS320C28XX', letter case aside): the
// macros that compiler always predefines for the family, as "NAME", then its
// language keywords defined away, as "NAME=". Nothing for an unknown family.
std::vector<std::string> cpuFamilyDefinitions(const std::string& cpuFamily);

#endif
