#include "writers/cdb/TiMacros.h"

#include <algorithm>

#include "base/PathText.h"

namespace {

using Names = std::vector<std::string>;

// The macros an option sets: "--float_support=fpu32" sets those given.
struct OptionMacros {
    const char* option;
    Names macros;
};

// From the compilers' user's guides, "Predefined Macro Names".
const OptionMacros c28xOptions[] = {
    {"--float_support=fpu32", {"__TMS320C28XX_FPU32__"}},
    {"--float_support=fpu64", {"__TMS320C28XX_FPU32__", "__TMS320C28XX_FPU64__"}},
    {"--tmu_support=tmu0", {"__TMS320C28XX_TMU__", "__TMS320C28XX_TMU0__"}},
    {"--tmu_support=tmu1", {"__TMS320C28XX_TMU__", "__TMS320C28XX_TMU1__"}},
    {"--vcu_support=vcu0", {"__TMS320C28XX_VCU0__"}},
    {"--vcu_support=vcu2", {"__TMS320C28XX_VCU2__"}},
    {"--vcu_support=vcrc", {"__TMS320C28XX_VCRC__"}},
    {"--large_memory_model", {"__LARGE_MODEL__"}},
    {"--abi=eabi", {"__TI_EABI__"}},
};
const OptionMacros claOptions[] = {
    {"--cla_support=cla0", {"__TMS320C28XX_CLA0__"}},
    {"--cla_support=cla1", {"__TMS320C28XX_CLA1__"}},
    {"--cla_support=cla2", {"__TMS320C28XX_CLA2__"}},
};
const OptionMacros armOptions[] = {
    {"--code_state=16", {"__16bis__"}},
    {"--code_state=32", {"__32bis__"}},
    {"--abi=eabi", {"__TI_EABI__", "__TI_EABI_SUPPORT__"}},
    {"--float_support=VFPv3D16", {"__TI_VFP_SUPPORT__", "__TI_VFPV3D16_SUPPORT__"}},
    {"--float_support=VFPv3", {"__TI_VFP_SUPPORT__", "__TI_VFPV3_SUPPORT__"}},
    {"--float_support=FPv4SPD16", {"__TI_VFP_SUPPORT__", "__TI_FPv4SPD16_SUPPORT__"}},
    {"--float_support=vfplib", {"__TI_VFPLIB_SUPPORT__"}},
};
const OptionMacros msp430Options[] = {
    {"--silicon_version=mspx", {"__MSP430X__"}},
    {"--code_model=large", {"__LARGE_CODE_MODEL__"}},
    {"--data_model=large", {"__LARGE_DATA_MODEL__", "__LONG_PTRDIFF_T__"}},
    {"--data_model=restricted", {"__LARGE_DATA_MODEL__"}},
};
// C6000 processor versions and the earlier ones whose code they run.
const OptionMacros c6000Options[] = {
    {"--silicon_version=6400", {"_TMS320C6400"}},
    {"--silicon_version=6400+", {"_TMS320C6400", "_TMS320C6400_PLUS"}},
    {"--silicon_version=6700", {"_TMS320C6700"}},
    {"--silicon_version=6700+", {"_TMS320C6700", "_TMS320C6700_PLUS"}},
    {"--silicon_version=6740",
     {"_TMS320C6400", "_TMS320C6400_PLUS", "_TMS320C6700", "_TMS320C6700_PLUS", "_TMS320C6740"}},
    {"--silicon_version=6600",
     {"_TMS320C6400", "_TMS320C6400_PLUS", "_TMS320C6700", "_TMS320C6700_PLUS", "_TMS320C6740", "_TMS320C6600"}},
    {"--abi=eabi", {"__TI_EABI__"}},
};

struct Family {
    InstructionSet instructionSet;
    Names macros;    // whatever the options
    Names keywords;  // of the relaxed mode the compiler reads by default
};

const Family families[] = {
    {InstructionSet::C28x,
     {"__TMS320C2000__", "__TMS320C28X__", "__TMS320C28XX__", "_TMS320C28X"},
     {"interrupt", "__interrupt", "cregister", "__cregister", "far", "__far"}},
    {InstructionSet::C55x, {"__TMS320C55X__", "_TMS320C5XX"}, {"interrupt", "__interrupt", "ioport", "onchip", "__far"}},
    {InstructionSet::C6x,
     {"_TMS320C6X", "__TMS320C6X__"},
     {"interrupt", "__interrupt", "cregister", "__cregister", "near", "far", "__near", "__far"}},
    // "near" and "far" are ordinary names for the ARM and MSP430 compilers.
    {InstructionSet::Arm, {"__TI_ARM__", "__TMS470__"}, {"interrupt", "__interrupt"}},
    {InstructionSet::Msp430, {"__MSP430__"}, {"__interrupt", "__cregister"}},
    // PRU code declares its I/O registers as file-scope register variables.
    {InstructionSet::Pru, {"__PRU__"}, {"__interrupt", "__far", "__near", "register"}},
};

template <std::size_t N>
void addOptionMacros(const Target& target, const OptionMacros (&table)[N], Names& names) {
    for (const OptionMacros& each : table)
        if (target.hasOption(each.option))
            for (const std::string& macro : each.macros)
                if (std::find(names.begin(), names.end(), macro) == names.end())
                    names.push_back(macro);
}

void addInstructionSetMacros(const Target& target, bool cla, Names& names) {
    switch (target.instructionSet) {
    case InstructionSet::C28x:
        addOptionMacros(target, c28xOptions, names);
        if (cla) {
            names.push_back("__TMS320C28XX_CLA__");
            addOptionMacros(target, claOptions, names);
        }
        break;
    case InstructionSet::Arm:
        addOptionMacros(target, armOptions, names);
        names.push_back(target.hasOption("--little_endian") ? "__little_endian__" : "__big_endian__");
        break;
    case InstructionSet::Msp430:
        addOptionMacros(target, msp430Options, names);
        break;
    case InstructionSet::C6x:
        addOptionMacros(target, c6000Options, names);
        names.push_back(target.hasOption("--big_endian") ? "_BIG_ENDIAN" : "_LITTLE_ENDIAN");
        break;
    default:
        break;
    }
}

// MSP430 headers choose the device's registers by its macro, which the GNU
// compiler sets from -mmcu and CCS puts among the definitions.
void addDeviceMacro(const Target& target, Names& names) {
    std::string device = target.device;
    for (const std::string& option : target.options)
        if (startsWith(option, "-mmcu="))
            device = option.substr(6);
    if (target.instructionSet == InstructionSet::Msp430 && startsWith(upperCase(device), "MSP430"))
        names.push_back("__" + upperCase(device) + "__");
}

const Family* familyOf(InstructionSet instructionSet) {
    for (const Family& family : families)
        if (family.instructionSet == instructionSet)
            return &family;
    return nullptr;
}

// TI's compilers (not the clang-based or GNU ones) and their own headers.
void addTiCompilerMacros(const Target& target, Names& names) {
    if (!target.compilerVersion.empty())
        names.push_back("__TI_COMPILER_VERSION__=" + versionNumber(target.compilerVersion, 3));
    // TI's stddef.h and stdio.h take their types from the compiler; these
    // are clang's, which its own headers take too.
    names.insert(names.end(), {"__SIZE_T_TYPE__=__SIZE_TYPE__", "__PTRDIFF_T_TYPE__=__PTRDIFF_TYPE__",
                               "__WCHAR_T_TYPE__=__WCHAR_TYPE__"});
    if (const Family* family = familyOf(target.instructionSet))
        names.insert(names.end(), family->macros.begin(), family->macros.end());
}

}  // namespace

std::string versionNumber(const std::string& version, int digitsPerPart) {
    long number = 0;
    std::string::size_type start = 0;
    for (int part = 0; part < 3; ++part) {
        long value = 0;
        while (start < version.size() && version[start] >= '0' && version[start] <= '9' && value < 1000)
            value = value * 10 + (version[start++] - '0');
        if (start < version.size() && version[start] == '.')
            ++start;
        else
            start = version.size();
        number = number * (digitsPerPart == 3 ? 1000 : 100) + value;
    }
    return std::to_string(number);
}

std::vector<std::string> tiDefinitions(const Target& target, bool cla) {
    Names names;
    if (target.compiler == Compiler::TiClang) {
        names.push_back("__ti__");
        if (!target.compilerVersion.empty())
            names.push_back("__ti_version__=" + versionNumber(target.compilerVersion, 2));
    }
    if (target.compiler == Compiler::Ti) {
        addTiCompilerMacros(target, names);
        addInstructionSetMacros(target, cla, names);
    }
    addDeviceMacro(target, names);
    if (target.compiler == Compiler::Ti)
        if (const Family* family = familyOf(target.instructionSet))
            for (const std::string& keyword : family->keywords)
                names.push_back(keyword + "=");
    return names;
}
