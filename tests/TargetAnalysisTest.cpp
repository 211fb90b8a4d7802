#include <gtest/gtest.h>

#include <filesystem>
#include <nlohmann/json.hpp>

#include "KorrinFolder.h"
#include "TestSupport.h"

// What the analysers conclude through what "-cdb" writes for each compiler
// family: the type sizes of the target, not of the host, and the intrinsics
// TI's compilers know. Each test is skipped when its tool was not found.
namespace {

namespace fs = std::filesystem;
using namespace testing_support;
using Lines = std::vector<std::string>;

// A bug that only the target's type sizes show, in a project of one family.
struct FamilyBug {
    const char* family;
    const char* device;
    const char* core;
    const char* toolChain;
    const char* options;
    const char* code;
    const char* cppcheckId;
    const char* clangWarning;  // empty when clang says nothing of it
};

const char* const shift16 = "unsigned int f(unsigned int a) { return a << 16; }\n";
const char* const shift32 = "unsigned long f(unsigned long a) { return a << 32; }\n";
const char* const plainChar = "int f(char c) { return c < 0; }\n";
const char* const countOverflow = "shift count >= width of type";

const FamilyBug bugs[] = {
    {"C28x", "TMS320F28379D", "", "TI", "-v28 -ml --float_support=fpu32", shift16, "shiftTooManyBits", countOverflow},
    {"C5500", "TMS320C5535", "", "TI", "", shift16, "shiftTooManyBits", countOverflow},
    {"MSP430", "MSP430G2553", "", "TI", "", shift16, "shiftTooManyBits", countOverflow},
    {"MSP430 plain char", "MSP430FR5994", "", "TI", "-vmspx --data_model=large", plainChar, "unsignedLessThanZero", ""},
    {"GNU MSP430", "MSP430F5529", "", "GNU", "-mmcu=msp430f5529", shift16, "shiftTooManyBits", countOverflow},
    {"C6000", "TMS320C6748", "", "TI", "-mv6740 --abi=eabi", shift32, "shiftTooManyBits", countOverflow},
    {"PRU", "AM6442", "ICSS_G0_PRU_0", "TI", "-v4", shift32, "shiftTooManyBits", countOverflow},
    {"TI ARM", "TM4C123GH6PM", "", "TI", "-mv7M4 --code_state=16 --float_support=FPv4SPD16", shift32,
     "shiftTooManyBits", countOverflow},
    {"TI ARM clang", "MSPM0G3507", "", "TICLANG", "-mcpu=cortex-m0plus", shift32, "shiftTooManyBits", countOverflow},
    {"GNU ARM", "TM4C129ENCPDT", "", "GNU", "-mcpu=cortex-m4", shift32, "shiftTooManyBits", countOverflow},
};

class TargetAnalysis : public KorrinFolder {
protected:
    // A .projectspec of one C source for the device, converted with "-cdb";
    // the folder of its database.
    fs::path convert(const FamilyBug& bug) {
        writeFile(dir / "spec/bug.c", bug.code);
        writeFile(dir / "spec/bug.projectspec",
                  std::string("<projectSpec><project name=\"bug\" device=\"") + bug.device + "\" deviceCore=\"" +
                      bug.core + "\" toolChain=\"" + bug.toolChain + "\" configurations=\"Debug\" compilerBuildOptions=\"" +
                      bug.options + "\"><file path=\"bug.c\"/></project></projectSpec>\n");
        fs::remove_all(dir / "out");
        fs::create_directory(dir / "out");
        EXPECT_EQ(run({"spec/bug.projectspec", "out", "-cdb"}).status, 0) << bug.family;
        return dir / "out/bug/Debug";
    }

    // clang on the database's one entry, every warning on.
    ProgramRun clangOn(const fs::path& database) {
        const nlohmann::json entries = nlohmann::json::parse(readFile(database / "compile_commands.json"));
        Lines arguments{"-fsyntax-only", "-Wall"};
        for (std::size_t i = 1; i < entries.at(0)["arguments"].size(); ++i)
            arguments.push_back(entries.at(0)["arguments"][i]);
        return runWithErrors(CLANG_PROGRAM, arguments, entries.at(0)["directory"].get<std::string>());
    }
};

// cppcheck reports the bug through the written project, with the family's
// platform, and not with the host's.
TEST_F(TargetAnalysis, CppcheckSeesTheTargetsTypes) {
    if (std::string(CPPCHECK_PROGRAM).empty())
        GTEST_SKIP() << "no cppcheck";
    for (const FamilyBug& bug : bugs) {
        SCOPED_TRACE(bug.family);
        const fs::path database = convert(bug);
        const Lines common{"-q", "--enable=style", "--template={id}"};
        Lines target{"--project=" + (database / "Debug.cppcheck").string()};
        target.insert(target.end(), common.begin(), common.end());
        const ProgramRun onTarget = runWithErrors(CPPCHECK_PROGRAM, target, dir.path());
        EXPECT_NE(onTarget.output.find(bug.cppcheckId), std::string::npos) << onTarget.output;
        Lines host{"--project=" + (database / "compile_commands.json").string(), "--platform=native"};
        host.insert(host.end(), common.begin(), common.end());
        const ProgramRun onHost = runWithErrors(CPPCHECK_PROGRAM, host, dir.path());
        EXPECT_EQ(onHost.output.find(bug.cppcheckId), std::string::npos) << onHost.output;
    }
}

// clang is given the widths of the target's types.
TEST_F(TargetAnalysis, ClangSeesTheTargetsTypes) {
    if (std::string(CLANG_PROGRAM).empty())
        GTEST_SKIP() << "no clang";
    for (const FamilyBug& bug : bugs) {
        if (*bug.clangWarning == '\0')
            continue;
        SCOPED_TRACE(bug.family);
        const ProgramRun result = clangOn(convert(bug));
        EXPECT_NE(result.output.find(bug.clangWarning), std::string::npos) << result.output;
        EXPECT_EQ(result.output.find("error:"), std::string::npos) << result.output;
    }
}

// TI's intrinsics need no header of TI's, an lvalue among them; a header
// that declares one as TI does agrees, and C28x, which has no 8-bit types,
// lets device headers name their own.
TEST_F(TargetAnalysis, ClangKnowsTheIntrinsics) {
    if (std::string(CLANG_PROGRAM).empty())
        GTEST_SKIP() << "no clang";
    const struct {
        FamilyBug project;
        const char* code;
    } cases[] = {
        {{"C28x", "TMS320F28379D", "", "TI", "-v28 -ml --float_support=fpu32 --tmu_support=tmu0", "", "", ""},
         "#include <stdint.h>\n"
         "typedef unsigned int uint8_t;\n"
         "extern uint16_t __disable_interrupts(void);\n"
         "int buffer[4];\n"
         "float turn(float x) { return __sin(x) + __fmax(x, 1.0f); }\n"
         "void send(void) {\n"
         "  __byte(buffer, 0) = 0x01;\n"
         "  __byte_peripheral_32((uint32_t *)0x6000) = 1;\n"
         "  uint16_t state = __disable_interrupts();\n"
         "  __eallow(); __edis();\n"
         "  __restore_interrupts(state);\n"
         "}\n"},
        {{"MSP430", "MSP430G2553", "", "TI", "", "", "", ""},
         "unsigned int vector;\n"
         "void wait(void) {\n"
         "  __bis_SR_register(0x18);\n"
         "  __delay_cycles(1000);\n"
         "  switch (__even_in_range(vector, 10)) { default: break; }\n"
         "}\n"},
        {{"C6000", "TMS320C6748", "", "TI", "-mv6740", "", "", ""},
         "void copy(void *to, const void *from) { _amem4(to) = _amem4_const(from); _nassert(((int)to & 3) == 0); }\n"},
        {{"PRU", "AM6442", "ICSS_G0_PRU_0", "TI", "-v4", "", "", ""},
         "volatile register unsigned int __R31;\n"
         "struct { unsigned int a, b; } buffer;\n"
         "void pass(void) { __xout(10, 0, 0, buffer); __delay_cycles(10); __R31 = 1; }\n"},
    };
    for (const auto& each : cases) {
        SCOPED_TRACE(each.project.family);
        FamilyBug project = each.project;
        project.code = each.code;
        const ProgramRun result = clangOn(convert(project));
        EXPECT_EQ(result.status, 0) << result.output;
        EXPECT_EQ(result.output.find("error:"), std::string::npos) << result.output;
        EXPECT_EQ(result.output.find("implicit declaration"), std::string::npos) << result.output;
    }
}

}  // namespace
