#ifndef KORRIN_FAMILIES_H
#define KORRIN_FAMILIES_H

#include <string>
#include <vector>

#include "model/Family.h"
#include "model/Target.h"

// The compiler families Korrin knows, each described by one table.

// The family of a target's compiler (for its control law accelerator when
// cla); nothing for one that no table describes.
const Family* familyOf(const Target& target, bool cla = false);

// The family of a compiler as TI names its install folder,
// 'ti-cgt-<family>_<version>': "c2000", "armllvm"; empty for one TI does not
// install so.
std::string compilerFolderFamily(InstructionSet instructionSet, Compiler compiler);

// The instruction set that a name of the family tables stands for: CCS's
// compiler tool ('C2000_15.12.exe.compilerDebug', by its start), an SDK's
// family ("C2000", letter case aside), a device as TI names its parts
// ('TMS320F28335', by its start, letter case aside); Unknown for none.
InstructionSet instructionSetOfTool(const std::string& tool);
InstructionSet instructionSetOfSdkFamily(const std::string& name);
InstructionSet instructionSetOfDevicePart(const std::string& device);

// What a Code Composer 3.x project's CPU family ('TMS320C28XX', letter case
// aside) stands for: TI's compiler of that family with the options the name
// implies; a target of unknown compiler for a family no table names.
Target targetOfCpuFamily(const std::string& cpuFamily);

// The macros the target's compiler predefines for a source, "NAME" or
// "NAME=value": the family's, its version, the types TI's headers take from
// the compiler, those of the options given, the byte order and the device.
std::vector<std::string> predefinedMacros(const Family& family, const Target& target);

// The sizes of the types as the family lays them out with the target's options.
TypeSizes typeSizesOf(const Family& family, const Target& target);

// A version "major.minor.patch..." as a number of as many digits per part:
// "15.12.3.LTS" with 3 is 15012003 (TI's compilers), "3.2.0" with 2 is 30200
// (TI's clang-based one).
std::string versionNumber(const std::string& version, int digitsPerPart);

#endif
