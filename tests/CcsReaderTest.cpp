#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/ccs/CcsVariables.h"
#include "readers/ccs/CompilerEntries.h"
#include "readers/ccs/SourceSelection.h"
#include "readers/ccs/ToolChains.h"

namespace {

using Names = std::vector<std::string>;

// The project 'app' in C:\work\app, configuration Debug, with the path
// variables and build variables real projects use.
CcsVariables appVariables(const BuildMacros& given = {}) {
    CcsVariables variables("C:\\work\\app", "app", given);
    variables.definePathVariable("ORIGINAL_PROJECT_ROOT", "file:/C:/ti/controlSUITE/f2833x/v140/examples/blink");
    variables.definePathVariable("INSTALLROOT", "$%7BPARENT-2-ORIGINAL_PROJECT_ROOT%7D");
    variables.definePathVariable("MW_INSTALL_DIR", "$%7BPARENT-1-PROJECT_LOC%7D/motorware");
    variables.definePathVariable("LOOP", "${LOOP}/x");
    variables.setConfiguration("Debug", {{"HEADERS", "${INSTALLROOT}/headers"}});
    return variables;
}

TEST(CcsVariables, ExpandsWhatTheProjectDefines) {
    const struct {
        const char* written;
        const char* expanded;
    } cases[] = {
        {"${PROJECT_ROOT}/inc", "C:\\work\\app/inc"},
        {"${ProjDirPath}\\src", "C:\\work\\app\\src"},
        {"${workspace_loc:/${ProjName}/Console}", "C:\\work\\app\\Console"},
        {"${BuildDirectory}/syscfg", "C:\\work\\app\\Debug/syscfg"},
        {"${ConfigName}", "Debug"},
        {"${PARENT-1-PROJECT_LOC}/common", "C:\\work/common"},
        {"${INSTALLROOT}/include", "C:\\ti\\controlSUITE\\f2833x\\v140/include"},
        {"$%7BMW_INSTALL_DIR%7D/sw", "C:\\work/motorware/sw"},
        {"${HEADERS}", "C:\\ti\\controlSUITE\\f2833x\\v140/headers"},
        {"no variable", "no variable"},
        {"${unclosed", "${unclosed"},
    };
    CcsVariables variables = appVariables();
    for (const auto& each : cases)
        EXPECT_EQ(variables.expand(each.written), each.expanded) << each.written;
    EXPECT_TRUE(variables.unresolved().empty());
}

TEST(CcsVariables, WithoutAValueTheyStayAndAreNotedOnce) {
    CcsVariables variables = appVariables();
    EXPECT_EQ(variables.expand("${CG_TOOL_ROOT}/include"), "${CG_TOOL_ROOT}/include");
    EXPECT_EQ(variables.expand("\"${CG_TOOL_ROOT}/lib\" ${workspace_loc:/other/x}"),
              "\"${CG_TOOL_ROOT}/lib\" ${workspace_loc:/other/x}");
    EXPECT_EQ(variables.expand("${LOOP}"), "${LOOP}/x");
    EXPECT_EQ(variables.unresolved(), (Names{"${CG_TOOL_ROOT}", "${workspace_loc:/other/x}", "${LOOP}"}));
}

TEST(CcsVariables, GivenValuesWinWhateverTheLetterCase) {
    CcsVariables variables = appVariables({{"CG_TOOL_ROOT", "C:\\ti\\cgt"}, {"PROJECT_ROOT", "D:\\elsewhere"}});
    EXPECT_EQ(variables.expand("${CG_TOOL_ROOT}/include"), "C:\\ti\\cgt/include");
    EXPECT_EQ(variables.expand("${PROJECT_ROOT}"), "D:\\elsewhere");
    EXPECT_TRUE(variables.unresolved().empty());
}

TEST(CcsVariables, LinkLocations) {
    CcsVariables variables = appVariables();
    EXPECT_EQ(variables.linkLocation("INSTALLROOT/DSP2833x_common/source/DSP2833x_Adc.c"),
              "C:\\ti\\controlSUITE\\f2833x\\v140\\DSP2833x_common\\source\\DSP2833x_Adc.c");
    EXPECT_EQ(variables.linkLocation("PARENT-1-PROJECT_LOC/adc.c"), "C:\\work\\adc.c");
    EXPECT_EQ(variables.linkLocation("$%7BPARENT-1-PROJECT_LOC%7D/controlSUITE"), "C:\\work\\controlSUITE");
    EXPECT_EQ(variables.linkLocation("C:/ti/device/GlobalVariableDefs.c"), "C:\\ti\\device\\GlobalVariableDefs.c");
    EXPECT_EQ(variables.linkLocation("file:/C:/ti/my%20dir/x.c"), "C:\\ti\\my dir\\x.c");
    EXPECT_EQ(variables.linkLocation("virtual:/virtual"), std::nullopt);
    EXPECT_EQ(variables.linkLocation("COM_TI_SDK_INSTALL_DIR/source/x.c"), "COM_TI_SDK_INSTALL_DIR\\source\\x.c");
    EXPECT_EQ(variables.unresolved(), (Names{"${COM_TI_SDK_INSTALL_DIR}"}));
}

TEST(CompilerEntries, IncludeFolders) {
    const struct {
        const char* written;
        const char* folder;
    } cases[] = {
        {"\"${PROJECT_ROOT}/device\"", "C:\\work\\app\\device"},
        {"\"${CG_TOOL_ROOT}/include\"", "${CG_TOOL_ROOT}/include"},
        {"\"../Headers/\"", "C:\\work\\app\\Debug\\..\\Headers\\"},
        {"D:\\Programs\\TI\\C2000Ware", "D:\\Programs\\TI\\C2000Ware"},
        {"/home/craig/sdk/include", "\\home\\craig\\sdk\\include"},
    };
    CcsVariables variables = appVariables();
    for (const auto& each : cases)
        EXPECT_EQ(includeFolder(each.written, "C:\\work\\app\\Debug", variables), each.folder) << each.written;
}

TEST(CompilerEntries, Definitions) {
    const struct {
        const char* written;
        const char* name;
        const char* value;
        bool isString;
    } cases[] = {
        {"\"_DEBUG\"", "_DEBUG", "", false},
        {"LARGE_MODEL", "LARGE_MODEL", "", false},
        {"PART_TM4C123GH6PM=1", "PART_TM4C123GH6PM", "1", false},
        {"ccs=\"ccs\"", "ccs", "ccs", false},
        {"\"uartlog_FILE=\\\"${ConfigName}\\\"\"", "uartlog_FILE", "Debug", true},
        {"VERSION=${ProjName}", "VERSION", "app", false},
    };
    CcsVariables variables = appVariables();
    for (const auto& each : cases) {
        std::optional<Definition> definition = ccsDefinition(each.written, variables);
        ASSERT_TRUE(definition) << each.written;
        EXPECT_EQ(definition->name, each.name) << each.written;
        EXPECT_EQ(definition->value, each.value) << each.written;
        EXPECT_EQ(definition->isString, each.isString) << each.written;
    }
    // A list of CCS's own, and nothing at all.
    EXPECT_FALSE(ccsDefinition("${COM_TI_C2000WARE_SOFTWARE_PACKAGE_SYMBOLS}", variables));
    EXPECT_FALSE(ccsDefinition("\"\"", variables));
}

TEST(SourceSelection, SourceFoldersAndExclusions) {
    CdtConfiguration configuration;
    configuration.sourceEntries = {{"", {"src", "F28335.cmd", "lib/old.c"}}, {"src/adcs", {"test"}}, {"src/board", {}}};
    configuration.excludedResources = {"legacy"};
    const struct {
        const char* name;
        bool isSource;
    } cases[] = {
        {"main.c", true},           {"lib/new.c", true},        {"lib/old.c", false},      {"lib/old.cpp", true},
        {"src/main.c", false},      {"src/adcs/adc.c", true},   {"src/adcs/test/t.c", false},
        {"src/board/io.c", true},   {"srcx/a.c", true},         {"legacy/a.c", false},     {"legacyx.c", true},
        {"F28335.cmd", false},
    };
    for (const auto& each : cases)
        EXPECT_EQ(isSourceOf(each.name, configuration), each.isSource) << each.name;
    EXPECT_TRUE(isSourceOf("anything.c", CdtConfiguration()));
}

TEST(SourceSelection, SourcesAndHeadersByDefault) {
    for (const char* name : {"a.c", "b.C", "c.cpp", "d.cla", "e.asm", "f.S", "g.h", "h.hpp", "dir.x/i.sa", "j.c55"})
        EXPECT_TRUE(isCcsSourceOrHeader(name)) << name;
    for (const char* name : {"a.cmd", "b.lib", "c.ccxml", "Makefile", "dir.c/readme", "e.opt", "f.syscfg"})
        EXPECT_FALSE(isCcsSourceOrHeader(name)) << name;
}

TEST(ToolChains, CpuFamilyOfTheCompiler) {
    const struct {
        const char* compiler;
        const char* family;
    } cases[] = {
        {"com.ti.ccstudio.buildDefinitions.C2000_15.12.exe.compilerDebug", "TMS320C28XX"},
        {"com.ti.ccstudio.buildDefinitions.C2000_5.2.exe.compilerRelease", "TMS320C28XX"},
        {"com.ti.ccstudio.buildDefinitions.TMS470_20.2.exe.compilerDebug", "TMS470R2X"},
        {"com.ti.ccstudio.buildDefinitions.C6000_7.4.exe.compilerDebug", "TMS320C64XX"},
        {"com.ti.ccstudio.buildDefinitions.TMS470_TICLANG_3.2.exe.compilerDebug", ""},
        {"com.ti.ccstudio.buildDefinitions.MSP430_GNU_9.0.exe.compilerDebug", ""},
        {"cdt.managedbuild.tool.gnu.c.compiler", ""},
    };
    for (const auto& each : cases)
        EXPECT_EQ(cpuFamilyOf(each.compiler), each.family) << each.compiler;
}

TEST(ToolChains, InstructionSetWhateverTheCompiler) {
    EXPECT_EQ(instructionSetOf("com.ti.ccstudio.buildDefinitions.TMS470_TICLANG_3.2.exe.compilerDebug"), InstructionSet::Arm);
    EXPECT_EQ(instructionSetOf("com.ti.ccstudio.buildDefinitions.MSP432_GNU_7.0.exe.compilerDebug"), InstructionSet::Arm);
    EXPECT_EQ(instructionSetOf("com.ti.ccstudio.buildDefinitions.MSP430_21.6.exe.compilerDebug"), InstructionSet::Msp430);
    EXPECT_EQ(instructionSetOf("com.ti.ccstudio.buildDefinitions.C2000_22.6.exe.compilerDebug"), InstructionSet::Unknown);
}

}  // namespace
