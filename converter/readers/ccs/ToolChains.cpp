#include "readers/ccs/ToolChains.h"

#include "base/PathText.h"
#include "model/Families.h"

namespace {

const std::string tiBuildDefinitions = "com.ti.ccstudio.buildDefinitions.";

// What follows "com.ti.ccstudio.buildDefinitions." in the name of TI's
// compiler tool, such as 'C2000_15.12.exe.compilerDebug'; empty for another
// compiler.
std::string tiToolName(const std::string& compiler) {
    if (!startsWith(compiler, tiBuildDefinitions))
        return std::string();
    return compiler.substr(tiBuildDefinitions.size());
}

// The tool's name after the instruction set: 'TICLANG_3.2.exe.compilerDebug'.
std::string afterInstructionSet(const std::string& tool) {
    const std::string::size_type underscore = tool.find('_');
    return underscore == std::string::npos ? std::string() : tool.substr(underscore + 1);
}

}  // namespace

Compiler compilerOf(const std::string& compiler) {
    const std::string tool = tiToolName(compiler);
    if (tool.empty())
        return Compiler::Unknown;
    const std::string rest = afterInstructionSet(tool);
    if (startsWith(rest, "TICLANG_"))
        return Compiler::TiClang;
    return startsWith(rest, "GNU_") ? Compiler::Gnu : Compiler::Ti;
}

InstructionSet instructionSetOf(const std::string& compiler) {
    const std::string tool = tiToolName(compiler);
    return tool.empty() ? InstructionSet::Unknown : instructionSetOfTool(tool);
}

std::string toolVersionOf(const std::string& compiler) {
    std::string rest = afterInstructionSet(tiToolName(compiler));
    for (const char* other : {"TICLANG_", "GNU_"})
        if (startsWith(rest, other))
            rest = afterInstructionSet(rest);
    // Major and minor: up to the second ".".
    const std::string::size_type dot = rest.find('.');
    return dot == std::string::npos ? std::string() : rest.substr(0, rest.find('.', dot + 1));
}

std::string deviceOf(const std::string& deviceId) {
    if (startsWith(deviceId, "com.ti."))
        return std::string();
    const std::string::size_type dot = deviceId.find('.');
    if (dot == std::string::npos)
        return deviceId;
    return deviceId.substr(dot + 1, deviceId.find('.', dot + 1) - dot - 1);
}

Compiler compilerNamed(const std::string& toolChain) {
    const std::string name = upperCase(toolChain);
    if (name == "TICLANG")
        return Compiler::TiClang;
    return name == "GNU" ? Compiler::Gnu : Compiler::Ti;
}

InstructionSet instructionSetOfDevice(const std::string& device, const std::string& core, const std::string& family) {
    if (upperCase(core).find("PRU") != std::string::npos)
        return InstructionSet::Pru;
    const InstructionSet named = instructionSetOfSdkFamily(family);
    return named != InstructionSet::Unknown ? named : instructionSetOfDevicePart(device);
}
