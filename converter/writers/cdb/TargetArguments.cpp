#include "writers/cdb/TargetArguments.h"

#include <optional>

#include "base/PathText.h"
#include "model/Families.h"

namespace {

// The setting of the last "--name=" option; empty when none.
std::string settingOf(const std::vector<std::string>& options, const std::string& name) {
    for (auto option = options.rbegin(); option != options.rend(); ++option)
        if (startsWith(*option, name))
            return option->substr(name.size());
    return std::string();
}

// What clang must know of an ARM processor: the GNU and clang-based
// compilers' own options, or the processor that TI's version stands for.
void addArmProcessor(const Family& family, const Target& target, std::vector<std::string>& arguments) {
    const std::string cpu = settingOf(target.options, "-mcpu=");
    if (!cpu.empty())
        arguments.push_back("-mcpu=" + cpu);
    else if (const std::string architecture = settingOf(target.options, "-march="); !architecture.empty())
        arguments.push_back("-march=" + architecture);
    for (const char* option : {"-mfloat-abi=", "-mfpu="})
        if (const std::string setting = settingOf(target.options, option); !setting.empty())
            arguments.push_back(option + setting);
    if (cpu.empty())
        for (const auto& [version, processor] : family.siliconVersions)
            if (settingOf(target.options, "--silicon_version=") == version)
                arguments.push_back("-mcpu=" + processor);
}

// Where clang has no target of the family, one of the same widths of int,
// long and pointers stands in, its own macros taken back, so that TI's
// address arithmetic in constant initialisers stays constant and the types
// are as wide as the compiler makes them: MSP430's for 16-bit ints, a bare
// 32-bit x86 without the host's C library for 32-bit ints.
void addTarget(const Family& family, const TypeSizes& sizes, std::vector<std::string>& arguments) {
    if (!family.clangTarget.empty()) {
        arguments.push_back("--target=" + family.clangTarget);
        return;
    }
    if (sizes.intBits == 16)
        arguments.insert(arguments.end(), {"--target=msp430", "-U__MSP430__", "-UMSP430"});
    else
        arguments.insert(arguments.end(), {"--target=i386-none-elf", "-nostdlibinc", "-U__i386__", "-U__i386", "-Ui386"});
}

// clang's stdint.h and limits.h take the types from these macros: TI's
// headers have no 8-bit types where a char is 16 bits wide, and name the
// 16-bit ones int where int is 16 bits.
void addTypeMacros(const Family& family, const TypeSizes& sizes, std::vector<std::string>& arguments) {
    if (!family.clangTarget.empty())
        return;
    if (sizes.charBits == 16)
        arguments.insert(arguments.end(), {"-U__INT8_TYPE__", "-U__UINT8_TYPE__", "-U__CHAR_BIT__", "-D__CHAR_BIT__=16",
                                           "-U__SCHAR_MAX__", "-D__SCHAR_MAX__=32767"});
    if (sizes.intBits == 16)
        arguments.insert(arguments.end(), {"-U__INT16_TYPE__", "-D__INT16_TYPE__=int", "-U__UINT16_TYPE__",
                                           "-D__UINT16_TYPE__=unsigned int"});
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

}  // namespace

std::vector<std::string> targetArguments(const Target& target, Language language) {
    std::vector<std::string> arguments;
    if (const Family* family = familyOf(target, language == Language::Cla)) {
        const TypeSizes sizes = typeSizesOf(*family, target);
        addTarget(*family, sizes, arguments);
        if (family->takesArmProcessorOptions)
            addArmProcessor(*family, target, arguments);
        if (std::optional<std::string> standard = standardOf(target, language))
            arguments.push_back(*standard);
        arguments.push_back(sizes.plainCharSigned ? "-fsigned-char" : "-funsigned-char");
        addTypeMacros(*family, sizes, arguments);
        for (const std::string& macro : predefinedMacros(*family, target))
            arguments.push_back("-D" + macro);
        for (const std::string& keyword : family->keywords)
            arguments.push_back("-D" + keyword + "=");
        // Intrinsics no header declares are the compiler's own functions.
        if (family->compiler == Compiler::Ti && family->intrinsics.empty() && language != Language::Cxx)
            arguments.push_back("-Wno-error=implicit-function-declaration");
    }
    if (language == Language::Cxx)
        arguments.push_back("-Drestrict=__restrict");
    return arguments;
}
