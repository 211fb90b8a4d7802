#include "model/Families.h"

#include <algorithm>

#include "base/PathText.h"
#include "model/families/FamilyTables.h"

namespace {

const std::vector<Family>& families() {
    static const std::vector<Family> all{c28xFamily(),    c28xClaFamily(),    c5500Family(),  c6000Family(),
                                         msp430Family(),  tiArmFamily(),      tiArmClangFamily(), pruFamily(),
                                         gnuArmFamily(),  gnuMsp430Family(),  c2400Family(),  c5400Family()};
    return all;
}

// TI's stddef.h and stdio.h take their types from the compiler; these are
// clang's, which its own headers take too.
const char* const headerTypes[] = {"__SIZE_T_TYPE__=__SIZE_TYPE__", "__PTRDIFF_T_TYPE__=__PTRDIFF_TYPE__",
                                   "__WCHAR_T_TYPE__=__WCHAR_TYPE__"};

void addOnce(std::vector<std::string>& names, const std::string& name) {
    if (std::find(names.begin(), names.end(), name) == names.end())
        names.push_back(name);
}

// The device as the GNU compiler's -mmcu names it, else as the tool chain does.
std::string deviceMacro(const Family& family, const Target& target) {
    std::string device = target.device;
    for (const std::string& option : target.options)
        if (startsWith(option, "-mmcu="))
            device = option.substr(6);
    for (const std::string& prefix : family.deviceMacroPrefixes)
        if (startsWith(upperCase(device), prefix))
            return "__" + upperCase(device) + "__";
    return std::string();
}

}  // namespace

const Family* familyOf(const Target& target, bool cla) {
    for (const Family& family : families())
        if (family.instructionSet == target.instructionSet && family.compiler == target.compiler &&
            family.forCla == (cla && target.instructionSet == InstructionSet::C28x))
            return &family;
    return nullptr;
}

std::string compilerFolderFamily(InstructionSet instructionSet, Compiler compiler) {
    Target target;
    target.instructionSet = instructionSet;
    target.compiler = compiler;
    const Family* family = familyOf(target);
    return family == nullptr ? std::string() : family->installFamily;
}

namespace {

// The instruction set of the first family one of whose names (of the list
// names) is name, or starts it.
InstructionSet instructionSetNamed(const std::string& name, std::vector<std::string> Family::*names, bool byStart) {
    for (const Family& family : families())
        for (const std::string& own : family.*names)
            if (byStart ? startsWith(name, own) : name == own)
                return family.instructionSet;
    return InstructionSet::Unknown;
}

}  // namespace

InstructionSet instructionSetOfTool(const std::string& tool) {
    return instructionSetNamed(tool, &Family::toolPrefixes, true);
}

InstructionSet instructionSetOfSdkFamily(const std::string& name) {
    return instructionSetNamed(upperCase(name), &Family::sdkFamilyNames, false);
}

InstructionSet instructionSetOfDevicePart(const std::string& device) {
    return instructionSetNamed(upperCase(device), &Family::devicePrefixes, true);
}

Target targetOfCpuFamily(const std::string& cpuFamily) {
    Target target;
    for (const Family& family : families())
        for (const CpuFamilyName& name : family.cpuFamilies)
            if (upperCase(cpuFamily) == name.name) {
                target.instructionSet = family.instructionSet;
                target.compiler = family.compiler;
                target.options = name.options;
            }
    return target;
}

std::vector<std::string> predefinedMacros(const Family& family, const Target& target) {
    std::vector<std::string> names;
    if (!family.versionMacro.empty() && !target.compilerVersion.empty())
        names.push_back(family.versionMacro + "=" + versionNumber(target.compilerVersion, family.versionDigits));
    if (family.compiler == Compiler::Ti)
        names.insert(names.end(), std::begin(headerTypes), std::end(headerTypes));
    names.insert(names.end(), family.macros.begin(), family.macros.end());
    for (const OptionEffect& effect : family.options)
        if (target.hasOption(effect.option))
            for (const std::string& macro : effect.macros)
                addOnce(names, macro);
    const Endianness& order = family.endianness;
    if (!order.little.empty()) {
        const bool big = target.hasOption("--big_endian") || (order.bigByDefault && !target.hasOption("--little_endian"));
        names.push_back(big ? order.big : order.little);
    }
    if (const std::string device = deviceMacro(family, target); !device.empty())
        names.push_back(device);
    return names;
}

TypeSizes typeSizesOf(const Family& family, const Target& target) {
    TypeSizes sizes = family.sizes;
    for (const OptionEffect& effect : family.options)
        if (effect.sizes != nullptr && target.hasOption(effect.option))
            effect.sizes(sizes);
    if (target.hasOption("--plain_char=signed") || target.hasOption("-fsigned-char"))
        sizes.plainCharSigned = true;
    if (target.hasOption("--plain_char=unsigned") || target.hasOption("-funsigned-char"))
        sizes.plainCharSigned = false;
    return sizes;
}

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
