#include "readers/ccs/ToolChains.h"

#include <algorithm>

namespace {

const std::string tiBuildDefinitions = "com.ti.ccstudio.buildDefinitions.";

struct CompilerFamily {
    const char* name;  // as the tool's superClass spells it, before "_<version>"
    const char* cpuFamily;
};

const CompilerFamily compilerFamilies[] = {
    {"C2000", "TMS320C28XX"}, {"TMS470", "TMS470R2X"},   {"MSP432", "TMS470R2X"},
    {"C5500", "TMS320C55XX"}, {"C6000", "TMS320C64XX"},
};

// What follows "com.ti.ccstudio.buildDefinitions." in the name of TI's
// compiler tool, such as 'C2000_15.12.exe.compilerDebug'; empty for another
// compiler.
std::string tiToolName(const std::string& compiler) {
    if (compiler.compare(0, tiBuildDefinitions.size(), tiBuildDefinitions) != 0)
        return std::string();
    return compiler.substr(tiBuildDefinitions.size());
}

bool startsWith(const std::string& text, const std::string& head) { return text.compare(0, head.size(), head) == 0; }

}  // namespace

bool usesTiToolChain(const std::vector<CdtConfiguration>& configurations) {
    return std::any_of(configurations.begin(), configurations.end(), [](const CdtConfiguration& configuration) {
        return !tiToolName(configuration.compiler).empty();
    });
}

std::string cpuFamilyOf(const std::string& compiler) {
    // Up to the first ".": the instruction set and the compiler's major version.
    const std::string tool = tiToolName(compiler);
    const std::string instructionSet = tool.substr(0, tool.find('.'));
    for (const CompilerFamily& known : compilerFamilies) {
        const std::string prefix = std::string(known.name) + "_";
        // "TMS470_TICLANG_3.2" and "MSP430_GNU_9.0" are other compilers.
        if (startsWith(instructionSet, prefix) &&
            instructionSet.find_first_not_of("0123456789", prefix.size()) == std::string::npos)
            return known.cpuFamily;
    }
    return std::string();
}

InstructionSet instructionSetOf(const std::string& compiler) {
    const std::string tool = tiToolName(compiler);
    if (startsWith(tool, "TMS470_") || startsWith(tool, "MSP432_"))
        return InstructionSet::Arm;
    return startsWith(tool, "MSP430_") ? InstructionSet::Msp430 : InstructionSet::Unknown;
}
