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

}  // namespace

bool usesTiToolChain(const std::vector<CdtConfiguration>& configurations) {
    return std::any_of(configurations.begin(), configurations.end(), [](const CdtConfiguration& configuration) {
        return configuration.compiler.compare(0, tiBuildDefinitions.size(), tiBuildDefinitions) == 0;
    });
}

std::string cpuFamilyOf(const std::string& compiler) {
    if (compiler.compare(0, tiBuildDefinitions.size(), tiBuildDefinitions) != 0)
        return std::string();
    // Up to the first ".": the instruction set and the compiler's major version.
    const std::string rest = compiler.substr(tiBuildDefinitions.size());
    const std::string instructionSet = rest.substr(0, rest.find('.'));
    for (const CompilerFamily& known : compilerFamilies) {
        const std::string prefix = std::string(known.name) + "_";
        // "TMS470_TICLANG_3.2" and "MSP430_GNU_9.0" are other compilers.
        if (instructionSet.compare(0, prefix.size(), prefix) == 0 &&
            instructionSet.find_first_not_of("0123456789", prefix.size()) == std::string::npos)
            return known.cpuFamily;
    }
    return std::string();
}

InstructionSet instructionSetOf(const std::string& compiler) {
    if (compiler.compare(0, tiBuildDefinitions.size(), tiBuildDefinitions) != 0)
        return InstructionSet::Unknown;
    const std::string rest = compiler.substr(tiBuildDefinitions.size());
    for (const char* arm : {"TMS470_", "MSP432_"})
        if (rest.compare(0, std::string(arm).size(), arm) == 0)
            return InstructionSet::Arm;
    return rest.compare(0, 7, "MSP430_") == 0 ? InstructionSet::Msp430 : InstructionSet::Unknown;
}
