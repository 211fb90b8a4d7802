#include "writers/cdb/CpuFamilies.h"

#include "base/PathText.h"

namespace {

struct CpuFamily {
    const char* name;
    std::vector<std::string> macros;    // predefined whatever the options
    std::vector<std::string> keywords;  // extensions that a host parser does not know
};

// From the compiler user's guides, "Predefined Macro Names" and the keyword
// sections. Macros that depend on options (memory model, silicon revision,
// endianness, optimisation) are left out, and so is the compiler version:
// it leads code to TI's own headers and intrinsics.
const std::vector<std::string> c6000Keywords{"interrupt", "__interrupt", "cregister", "__cregister",
                                             "near",      "far",         "__near",    "__far"};

const CpuFamily families[] = {
    {"TMS320C24XX", {"_TMS320C2XX"}, {"interrupt", "ioport", "cregister"}},
    {"TMS320C28XX",
     {"__TMS320C28XX__", "_TMS320C28X"},
     {"interrupt", "__interrupt", "cregister", "__cregister", "far", "__far"}},
    {"TMS320C54XX", {"_TMS320C5XX"}, {"interrupt", "__interrupt", "ioport", "near", "far"}},
    {"TMS320C55XX", {"__TMS320C55X__"}, {"interrupt", "__interrupt", "ioport", "onchip"}},
    {"TMS320C64XX", {"_TMS320C6X", "__TMS320C6X__", "_TMS320C6400"}, c6000Keywords},
    {"TMS320C66XX",
     {"_TMS320C6X", "__TMS320C6X__", "_TMS320C6600", "_TMS320C6740", "_TMS320C6700_PLUS", "_TMS320C6700",
      "_TMS320C6400_PLUS", "_TMS320C6400"},
     c6000Keywords},
    {"TMS320C67XX", {"_TMS320C6X", "__TMS320C6X__", "_TMS320C6700"}, c6000Keywords},
    // "near" and "far" are ordinary names for the ARM compiler.
    {"TMS470R2X", {"__TMS470__"}, {"interrupt", "__interrupt"}},
};

}  // namespace

std::vector<std::string> cpuFamilyDefinitions(const std::string& cpuFamily) {
    const std::string name = upperCase(cpuFamily);
    for (const CpuFamily& family : families) {
        if (name != family.name)
            continue;
        std::vector<std::string> definitions = family.macros;
        for (const std::string& keyword : family.keywords)
            definitions.push_back(keyword + "=");
        return definitions;
    }
    return {};
}
