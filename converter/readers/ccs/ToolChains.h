#ifndef KORRIN_TOOL_CHAINS_H
#define KORRIN_TOOL_CHAINS_H

#include <string>
#include <vector>

#include "model/Target.h"


// The compiler tool '...buildDefinitions.<ISA>_[TICLANG_|GNU_]<version>.exe.compilerDebug':
// whose compiler, for which instruction set, and its version as the tool
// names it ("15.12"); unknown and empty for a compiler that is not TI's.
Compiler compilerOf(const std::string& compiler);
InstructionSet instructionSetOf(const std::string& compiler);
std::string toolVersionOf(const std::string& compiler);

// The compiler of a .projectspec's toolChain: "TICLANG", "GNU", else TI's.
Compiler compilerNamed(const std::string& toolChain);

// The instruction set a .projectspec builds for: that of the device's core
// ('ICSS_G0_PRU_0'), else of the family its applicability names ('PRU',
// 'C2000'), else of the device as TI names it ('TMS320F28P650DK9',
// 'CC2650F128', 'MSP430FR5994').
InstructionSet instructionSetOfDevice(const std::string& device, const std::string& core, const std::string& family);

// The device of a device id as CCS writes it: 'TMS320C28XX.TMS320F28335'
// and 'Cortex M.TM4C123GH6PM.board' name the second part, 'MSP430G2553'
// itself; TI's generic devices ('com.ti.ccstudio.deviceModel...') none.
std::string deviceOf(const std::string& deviceId);

#endif
