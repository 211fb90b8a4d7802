#include "writers/cdb/TargetArguments.h"

#include <optional>

#include "base/PathText.h"
#include "writers/cdb/CpuFamilies.h"
#include "writers/cdb/TiMacros.h"

namespace {

// The setting of the last "--name=" option; empty when none.
std::string settingOf(const std::vector<std::string>& options, const std::string& name) {
    for (auto option = options.rbegin(); option != options.rend(); ++option)
        if (startsWith(*option, name))
            return option->substr(name.size());
    return std::string();
}

// TI's ARM processor versions as clang names the processor.
const std::pair<const char*, const char*> armProcessors[] = {
    {"7M4", "cortex-m4"}, {"7M3", "cortex-m3"}, {"7R4", "cortex-r4"}, {"7R5", "cortex-r5"},
    {"7A8", "cortex-a8"}, {"6M0", "cortex-m0"}, {"7M7", "cortex-m7"},
};

// What clang must know of an ARM processor: the GNU and clang-based
// compilers' own options, or the processor that TI's version stands for.
void addArmProcessor(const Target& target, std::vector<std::string>& arguments) {
    const std::string cpu = settingOf(target.options, "-mcpu=");
    if (!cpu.empty())
        arguments.push_back("-mcpu=" + cpu);
    else if (const std::string architecture = settingOf(target.options, "-march="); !architecture.empty())
        arguments.push_back("-march=" + architecture);
    for (const char* option : {"-mfloat-abi=", "-mfpu="})
        if (const std::string setting = settingOf(target.options, option); !setting.empty())
            arguments.push_back(option + setting);
    if (cpu.empty() && target.compiler == Compiler::Ti)
        for (const auto& [version, processor] : armProcessors)
            if (settingOf(target.options, "--silicon_version=") == version)
                arguments.push_back(std::string("-mcpu=") + processor);
}

std::optional<std::string> clangTargetOf(InstructionSet instructionSet) {
    if (instructionSet == InstructionSet::Arm)
        return "arm-none-eabi";
    if (instructionSet == InstructionSet::Msp430)
        return "msp430";
    return std::nullopt;
}

// TI's compilers read C in a relaxed mode that takes GNU's extensions and
// inline assembly; the GNU dialects of clang come nearest.
std::optional<std::string> standardOf(const Target& target, Language language) {
    const bool cxx = language == Language::Cxx;
    const std::string standard = settingOf(target.options, "-std=");
    if (!standard.empty() && (standard.find("++") != std::string::npos) == cxx)
        return "-std=" + standard;
    if (target.compiler != Compiler::Ti)
        return std::nullopt;
    const char* const dialects[][2] = {
        {"--c89", "-std=gnu89"},     {"--c99", "-std=gnu99"},       {"--c11", "-std=gnu11"},
        {"--c++03", "-std=gnu++03"}, {"--c++11", "-std=gnu++11"},   {"--c++14", "-std=gnu++14"},
    };
    for (auto dialect = std::rbegin(dialects); dialect != std::rend(dialects); ++dialect)
        if (target.hasOption((*dialect)[0]) && (std::string((*dialect)[1]).find("++") != std::string::npos) == cxx)
            return std::string((*dialect)[1]);
    return cxx ? std::nullopt : std::optional<std::string>("-std=gnu99");
}

std::vector<std::string> knownFamilyArguments(const Target& target, Language language) {
    std::vector<std::string> arguments;
    if (std::optional<std::string> clangTarget = clangTargetOf(target.instructionSet))
        arguments.push_back("--target=" + *clangTarget);
    if (target.instructionSet == InstructionSet::Arm)
        addArmProcessor(target, arguments);
    if (std::optional<std::string> standard = standardOf(target, language))
        arguments.push_back(*standard);
    for (const std::string& definition : tiDefinitions(target, language == Language::Cla))
        arguments.push_back("-D" + definition);
    // TI's intrinsics are the compiler's own functions, declared nowhere.
    if (target.compiler == Compiler::Ti && language != Language::Cxx)
        arguments.push_back("-Wno-error=implicit-function-declaration");
    return arguments;
}

// As the CPU family of a project names it, all that is known then.
std::vector<std::string> cpuFamilyArguments(const Target& target) {
    std::vector<std::string> arguments;
    if (std::optional<std::string> clangTarget = clangTargetOf(target.instructionSet))
        arguments.push_back("--target=" + *clangTarget);
    for (const std::string& definition : cpuFamilyDefinitions(target.cpuFamily))
        arguments.push_back("-D" + definition);
    return arguments;
}

}  // namespace

std::vector<std::string> targetArguments(const Target& target, Language language) {
    std::vector<std::string> arguments =
        target.compiler == Compiler::Unknown ? cpuFamilyArguments(target) : knownFamilyArguments(target, language);
    if (language == Language::Cxx)
        arguments.push_back("-Drestrict=__restrict");
    return arguments;
}
