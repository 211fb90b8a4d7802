#ifndef KORRIN_TOOL_CHAINS_H
#define KORRIN_TOOL_CHAINS_H

#include <string>
#include <vector>

#include "model/Project.h"
#include "readers/ccs/CdtConfigurations.h"

// Whether any configuration compiles with one of TI's tool chains.
bool usesTiToolChain(const std::vector<CdtConfiguration>& configurations);

// The CPU family, as a .pjt names it, of the compiler tool
// '...buildDefinitions.<ISA>_<version>.exe.compilerDebug': TMS320C28XX for
// C2000, TMS470R2X for TI's ARM compiler (TM4C, Hercules, MSP432),
// TMS320C55XX, TMS320C64XX for C6000; empty for the families a .pjt never
// named, for GNU and clang tool chains and for unknown ones.
std::string cpuFamilyOf(const std::string& compiler);

// The instruction set of the compiler tool, whatever the compiler: TI's,
// clang or GNU.
InstructionSet instructionSetOf(const std::string& compiler);

#endif
