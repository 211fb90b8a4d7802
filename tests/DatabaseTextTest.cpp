#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include "base/JsonText.h"
#include "writers/cdb/CpuFamilies.h"
#include "writers/cdb/TargetArguments.h"
#include "writers/cdb/TiMacros.h"

namespace {

struct TextCase {
    std::string bytes;
    std::string json;
};

TEST(JsonString, EscapesWhatJsonRequiresAndEveryByteThatIsNotUtf8) {
    const TextCase cases[] = {
        {"C:\\ti\\\"x\"", "\"C:\\\\ti\\\\\\\"x\\\"\""},
        {std::string("a\0b\x1f\x7f", 5), "\"a\\u0000b\\u001f\x7f\""},
        {"\r\n\t", "\"\\u000d\\u000a\\u0009\""},
        {"\xc3\xa9t\xc3\xa9", "\"\xc3\xa9t\xc3\xa9\""},                 // UTF-8 stays
        {"\xe2\x82\xac \xf0\x9f\x98\x80", "\"\xe2\x82\xac \xf0\x9f\x98\x80\""},
        {"\xe9t\xe9", "\"\\u00e9t\\u00e9\""},                             // Latin-1
        {"\x80", "\"\\u0080\""},                                           // lone continuation
        {"\xc0\xaf", "\"\\u00c0\\u00af\""},                                // overlong
        {"\xed\xa0\x80", "\"\\u00ed\\u00a0\\u0080\""},                     // surrogate
        {"\xf4\x90\x80\x80", "\"\\u00f4\\u0090\\u0080\\u0080\""},          // past U+10FFFF
        {"\xe2\x82", "\"\\u00e2\\u0082\""},                                // cut short
    };
    for (const TextCase& c : cases) {
        EXPECT_EQ(jsonString(c.bytes), c.json) << c.bytes;
        EXPECT_NO_THROW(nlohmann::json::parse(c.json)) << c.json;
    }
}

TEST(CpuFamilyDefinitions, KnowsTheFamilyWhateverItsLetterCase) {
    const std::vector<std::string> arm{"__TMS470__", "interrupt=", "__interrupt="};
    EXPECT_EQ(cpuFamilyDefinitions("TMS470R2X"), arm);
    EXPECT_EQ(cpuFamilyDefinitions("TMS470R2x"), arm);
    EXPECT_TRUE(cpuFamilyDefinitions("").empty());
    EXPECT_TRUE(cpuFamilyDefinitions("TMS320C99XX").empty());
}

TEST(VersionNumber, AsTheCompilersPredefineIt) {
    EXPECT_EQ(versionNumber("15.12.3.LTS", 3), "15012003");
    EXPECT_EQ(versionNumber("4.3.3", 3), "4003003");
    EXPECT_EQ(versionNumber("5.2", 3), "5002000");
    EXPECT_EQ(versionNumber("3.2.0.LTS", 2), "30200");
    EXPECT_EQ(versionNumber("x", 3), "0");
}

// What the families' compilers predefine beyond what the options say, and
// what a target with only its CPU family known keeps.
TEST(TargetArguments, EachFamilyAndCompiler) {
    using Names = std::vector<std::string>;
    auto target = [](InstructionSet set, Compiler compiler, Names options, std::string device = "") {
        Target result;
        result.instructionSet = set;
        result.compiler = compiler;
        result.options = std::move(options);
        result.device = std::move(device);
        return result;
    };
    const Names sizes{"-D__SIZE_T_TYPE__=__SIZE_TYPE__", "-D__PTRDIFF_T_TYPE__=__PTRDIFF_TYPE__",
                      "-D__WCHAR_T_TYPE__=__WCHAR_TYPE__"};
    auto ti = [&](Names head, Names tail) {
        head.insert(head.end(), sizes.begin(), sizes.end());
        head.insert(head.end(), tail.begin(), tail.end());
        head.push_back("-Wno-error=implicit-function-declaration");
        return head;
    };
    Target pjt;
    pjt.cpuFamily = "TMS470R2X";
    const struct {
        Target target;
        Names arguments;
    } cases[] = {
        {pjt, {"-D__TMS470__", "-Dinterrupt=", "-D__interrupt="}},
        {target(InstructionSet::Arm, Compiler::Ti, {"--silicon_version=7R4", "--code_state=32", "--float_support=VFPv3D16", "--c89"}),
         ti({"cc", "--target=arm-none-eabi", "-mcpu=cortex-r4", "-std=gnu89"},
            {"-D__TI_ARM__", "-D__TMS470__", "-D__32bis__", "-D__TI_VFP_SUPPORT__", "-D__TI_VFPV3D16_SUPPORT__",
             "-D__big_endian__", "-Dinterrupt=", "-D__interrupt="})},
        {target(InstructionSet::Msp430, Compiler::Ti, {"--silicon_version=mspx", "--data_model=large"}, "MSP430FR5994"),
         ti({"cc", "--target=msp430", "-std=gnu99"},
            {"-D__MSP430__", "-D__MSP430X__", "-D__LARGE_DATA_MODEL__", "-D__LONG_PTRDIFF_T__", "-D__MSP430FR5994__",
             "-D__interrupt=", "-D__cregister="})},
        {target(InstructionSet::C6x, Compiler::Ti, {"--silicon_version=6740", "--abi=eabi"}),
         ti({"cc", "-std=gnu99"},
            {"-D_TMS320C6X", "-D__TMS320C6X__", "-D_TMS320C6400", "-D_TMS320C6400_PLUS", "-D_TMS320C6700",
             "-D_TMS320C6700_PLUS", "-D_TMS320C6740", "-D__TI_EABI__", "-D_LITTLE_ENDIAN", "-Dinterrupt=",
             "-D__interrupt=", "-Dcregister=", "-D__cregister=", "-Dnear=", "-Dfar=", "-D__near=", "-D__far="})},
        {target(InstructionSet::C55x, Compiler::Ti, {}),
         ti({"cc", "-std=gnu99"},
            {"-D__TMS320C55X__", "-D_TMS320C5XX", "-Dinterrupt=", "-D__interrupt=", "-Dioport=", "-Donchip=", "-D__far="})},
        {target(InstructionSet::Pru, Compiler::Ti, {}),
         ti({"cc", "-std=gnu99"}, {"-D__PRU__", "-D__interrupt=", "-D__far=", "-D__near=", "-Dregister="})},
        {target(InstructionSet::Msp430, Compiler::Gnu, {"-mmcu=msp430f169", "-std=gnu99"}),
         {"cc", "--target=msp430", "-std=gnu99", "-D__MSP430F169__"}},
        {target(InstructionSet::Arm, Compiler::Gnu, {"-march=armv7e-m", "-mfpu=fpv4-sp-d16"}),
         {"cc", "--target=arm-none-eabi", "-march=armv7e-m", "-mfpu=fpv4-sp-d16"}},
    };
    for (const auto& each : cases) {
        Names arguments{"cc"};
        for (const std::string& argument : targetArguments(each.target, Language::C))
            arguments.push_back(argument);
        if (each.target.compiler == Compiler::Unknown)
            arguments.erase(arguments.begin());
        EXPECT_EQ(arguments, each.arguments) << each.arguments.at(1);
    }
}

}  // namespace
