#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "readers/ccs/CcsVariables.h"
#include "readers/eclipse/CdtConfigurations.h"
#include "readers/ccs/CompilerCommandLine.h"
#include "readers/ccs/CompilerEntries.h"
#include "readers/ccs/CompilerFlags.h"
#include "readers/ccs/SourceSelection.h"
#include "readers/eclipse/ConfigurationSources.h"
#include "readers/ccs/ToolChains.h"

namespace {

using Names = std::vector<std::string>;

// The project 'app' in C:\work\app, configuration Debug, with the path
// variables and build variables real projects use, on a machine without TI
// installs.
struct AppVariables {
    explicit AppVariables(const BuildMacros& given = {})
        : variables("C:\\work\\app", "app", given, installs, workspace) {
        variables.definePathVariable("ORIGINAL_PROJECT_ROOT", "file:/C:/ti/controlSUITE/f2833x/v140/examples/blink");
        variables.definePathVariable("INSTALLROOT", "$%7BPARENT-2-ORIGINAL_PROJECT_ROOT%7D");
        variables.definePathVariable("MW_INSTALL_DIR", "$%7BPARENT-1-PROJECT_LOC%7D/motorware");
        variables.definePathVariable("LOOP", "${LOOP}/x");
        variables.setConfiguration("Debug", {{"HEADERS", "${INSTALLROOT}/headers"}});
    }

    TiInstalls none;
    InstallValues installs{none, {}};
    WorkspaceProjects workspace{{"lib", "C:\\work\\lib"}};
    CcsVariables variables;
};

TEST(CcsVariables, ExpandsWhatTheProjectDefines) {
    const struct {
        const char* written;
        const char* expanded;
    } cases[] = {
        {"${PROJECT_ROOT}/inc", "C:\\work\\app/inc"},
        {"${ProjDirPath}\\src", "C:\\work\\app\\src"},
        {"${workspace_loc:/${ProjName}/Console}", "C:\\work\\app\\Console"},
        {"${workspace_loc:/LIB/inc}", "C:\\work\\lib\\inc"},
        {"${BuildDirectory}/syscfg", "C:\\work\\app\\Debug/syscfg"},
        {"${ConfigName}", "Debug"},
        {"${PARENT-1-PROJECT_LOC}/common", "C:\\work/common"},
        {"${INSTALLROOT}/include", "C:\\ti\\controlSUITE\\f2833x\\v140/include"},
        {"$%7BMW_INSTALL_DIR%7D/sw", "C:\\work/motorware/sw"},
        {"${HEADERS}", "C:\\ti\\controlSUITE\\f2833x\\v140/headers"},
        {"no variable", "no variable"},
        {"${unclosed", "${unclosed"},
    };
    AppVariables app;
    CcsVariables& variables = app.variables;
    for (const auto& each : cases)
        EXPECT_EQ(variables.expand(each.written), each.expanded) << each.written;
    EXPECT_TRUE(variables.unresolved().empty());
}

TEST(CcsVariables, WithoutAValueTheyStayAndAreNotedOnce) {
    AppVariables app;
    CcsVariables& variables = app.variables;
    EXPECT_EQ(variables.expand("${CG_TOOL_ROOT}/include"), "${CG_TOOL_ROOT}/include");
    EXPECT_EQ(variables.expand("\"${CG_TOOL_ROOT}/lib\" ${workspace_loc:/other/x}"),
              "\"${CG_TOOL_ROOT}/lib\" ${workspace_loc:/other/x}");
    EXPECT_EQ(variables.expand("${LOOP}"), "${LOOP}/x");
    EXPECT_EQ(variables.unresolved(), (Names{"${CG_TOOL_ROOT}", "${workspace_loc:/other/x}", "${LOOP}"}));
}

TEST(CcsVariables, GivenValuesWinWhateverTheLetterCase) {
    AppVariables app({{"CG_TOOL_ROOT", "C:\\ti\\cgt"}, {"PROJECT_ROOT", "D:\\elsewhere"}});
    CcsVariables& variables = app.variables;
    EXPECT_EQ(variables.expand("${CG_TOOL_ROOT}/include"), "C:\\ti\\cgt/include");
    EXPECT_EQ(variables.expand("${PROJECT_ROOT}"), "D:\\elsewhere");
    EXPECT_TRUE(variables.unresolved().empty());
}

TEST(CcsVariables, LinkLocations) {
    AppVariables app;
    CcsVariables& variables = app.variables;
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
        {"\"../Headers/\"", "C:\\work\\app\\Headers\\"},
        {"${PROJECT_ROOT}/../../../../x/./y", "C:\\x\\y"},
        {"D:\\Programs\\TI\\C2000Ware", "D:\\Programs\\TI\\C2000Ware"},
        {"/home/craig/sdk/include", "\\home\\craig\\sdk\\include"},
    };
    AppVariables app;
    CcsVariables& variables = app.variables;
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
    AppVariables app;
    CcsVariables& variables = app.variables;
    for (const auto& each : cases) {
        const std::vector<Definition> definitions = ccsDefinitions(each.written, variables);
        ASSERT_EQ(definitions.size(), 1u) << each.written;
        EXPECT_EQ(definitions[0].name, each.name) << each.written;
        EXPECT_EQ(definitions[0].value, each.value) << each.written;
        EXPECT_EQ(definitions[0].isString, each.isString) << each.written;
    }
    // A list of CCS's own that no install gives, and nothing at all.
    EXPECT_TRUE(ccsDefinitions("${COM_TI_C2000WARE_SOFTWARE_PACKAGE_SYMBOLS}", variables).empty());
    EXPECT_TRUE(ccsDefinitions("\"\"", variables).empty());
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

TEST(CompilerFlags, LongFormsOfTheOptionsThatChangeWhatAParserSees) {
    const std::string id = "com.ti.ccstudio.buildDefinitions.C2000_15.12.compilerID.";
    auto option = [&](const std::string& key, const std::string& attributes, const std::string& values = "") {
        return "<option superClass=\"" + id + key + "\" " + attributes + ">" + values + "</option>";
    };
    const struct {
        std::string xml;
        Names flags;
    } cases[] = {
        {option("SILICON_VERSION", "value=\"" + id + "SILICON_VERSION.28\" valueType=\"enumerated\""), {"--silicon_version=28"}},
        {option("LARGE_MEMORY_MODEL", "value=\"true\" valueType=\"boolean\""), {"--large_memory_model"}},
        {option("UNIFIED_MEMORY", "value=\"false\" valueType=\"boolean\""), {}},
        {option("C_DIALECT", "value=\"" + id + "C_DIALECT.C11\" valueType=\"enumerated\""), {"--c11"}},
        {option("CPP_DIALECT", "value=\"" + id + "CPP_DIALECT.CPP03\" valueType=\"enumerated\""), {"--c++03"}},
        {option("MCPU", "value=\" cortex-m4 \" valueType=\"string\""), {"-mcpu=cortex-m4"}},
        // Files read first are the configuration's own list.
        {option("PREINCLUDE", "valueType=\"stringList\"", "<listOptionValue value=\"a.h\"/>"), {}},
        {option("ABI", "value=\"\" valueType=\"enumerated\""), {}},
        {option("OPT_LEVEL", "value=\"" + id + "OPT_LEVEL.2\" valueType=\"enumerated\""), {}},
    };
    for (const auto& each : cases) {
        pugi::xml_document document;
        ASSERT_TRUE(document.load_string(each.xml.c_str())) << each.xml;
        EXPECT_EQ(compilerFlags(document.child("option")), each.flags) << each.xml;
    }
    pugi::xml_document list;
    ASSERT_TRUE(list.load_string(option("PREINCLUDE", "", "<listOptionValue value=\" a.h \"/><listOptionValue value=\"\"/>").c_str()));
    EXPECT_EQ(optionSettings(list.child("option")), (Names{"a.h", ""}));
    const char* const forms[][2] = {
        {"-v28", "--silicon_version=28"}, {"-mv7M4", "--silicon_version=7M4"}, {"-ml", "--large_memory_model"},
        {"-mt", "--unified_memory"},      {"-me", "--little_endian"},          {"-mthumb", "-mthumb"},
        {"--c99", "--c99"},               {"-v", "-v"},
    };
    for (const auto& form : forms)
        EXPECT_EQ(longFlag(form[0]), form[1]);
}

// CCS 4.0 and 4.1: a file of the project is left out of a configuration, or
// has definitions of its own, by its resourceConfiguration.
TEST(CdtConfigurations, ResourcesOfACdtbuild) {
    const std::string tool = "com.ti.ccstudio.buildDefinitions.C2000_5.2.";
    auto compiler = [&](const std::string& define) {
        return "<tool superClass=\"" + tool + "exe.compilerDebug\"><option superClass=\"" + tool +
               "compilerID.DEFINE\" valueType=\"definedSymbols\"><listOptionValue value=\"" + define +
               "\"/></option></tool>";
    };
    const std::string xml =
        "<ManagedProjectBuildInfo><project><configuration name=\"Debug\"><toolChain>" + compiler("_DEBUG") +
        "</toolChain><resourceConfiguration exclude=\"true\" resourcePath=\"/blink/old/a.c\"/>"
        "<resourceConfiguration exclude=\"true\" resourcePath=\"/other/b.c\"/>"
        "<resourceConfiguration exclude=\"false\" resourcePath=\"/blink/fast.c\">" + compiler("FAST") +
        "</resourceConfiguration><resourceConfiguration exclude=\"false\" resourcePath=\"/blink/same.c\">" +
        compiler("_DEBUG") + "</resourceConfiguration></configuration></project></ManagedProjectBuildInfo>";
    pugi::xml_document document;
    ASSERT_TRUE(document.load_string(xml.c_str()));
    const std::vector<CdtConfiguration> configurations = readCdtbuild(document, "blink");
    ASSERT_EQ(configurations.size(), 1u);
    EXPECT_EQ(configurations[0].compiler, tool + "exe.compilerDebug");
    EXPECT_EQ(configurations[0].defines, Names{"_DEBUG"});
    EXPECT_EQ(configurations[0].excludedResources, Names{"old/a.c"});
    ASSERT_EQ(configurations[0].resourceSettings.size(), 1u);
    EXPECT_EQ(configurations[0].resourceSettings[0].resource, "fast.c");
    EXPECT_TRUE(configurations[0].resourceSettings[0].isFile);
    EXPECT_EQ(configurations[0].resourceSettings[0].defines, Names{"FAST"});
}

TEST(CompilerCommandLine, WordsAndWhatTheyGive) {
    EXPECT_EQ(commandWords(" -Da  \"-I b c\"\t--define=\"x=\\\"y z\\\"\"\n-O2 \"open\nnext"),
              (Names{"-Da", "\"-I b c\"", "--define=\"x=\\\"y z\\\"\"", "-O2", "\"open", "next"}));
    CompilerCommandLine line;
    std::set<std::string> read;
    addCommandLine("-I inc --include_path=\"a b\" -Iz -D X -DY=1 --define=Z= -mv7M4 -ml @none.opt --c99",
                   [](const std::string& written) { return "missing\\" + written; }, line, read);
    EXPECT_EQ(line.includePaths, (Names{"inc", "\"a b\"", "z"}));
    EXPECT_EQ(line.defines, (Names{"X", "Y=1", "Z="}));
    EXPECT_EQ(line.options, (Names{"--silicon_version=7M4", "--large_memory_model", "--c99"}));
    EXPECT_EQ(read, std::set<std::string>{"missing\\none.opt"});
}

TEST(ToolChains, CompilerInstructionSetAndVersionOfTheTool) {
    const struct {
        const char* compiler;
        Compiler kind;
        InstructionSet instructionSet;
        const char* version;
    } cases[] = {
        {"com.ti.ccstudio.buildDefinitions.C2000_15.12.exe.compilerDebug", Compiler::Ti, InstructionSet::C28x, "15.12"},
        {"com.ti.ccstudio.buildDefinitions.C5500_4.4.exe.compilerRelease", Compiler::Ti, InstructionSet::C55x, "4.4"},
        {"com.ti.ccstudio.buildDefinitions.C6000_7.4.exe.compilerDebug", Compiler::Ti, InstructionSet::C6x, "7.4"},
        {"com.ti.ccstudio.buildDefinitions.TMS470_20.2.exe.compilerDebug", Compiler::Ti, InstructionSet::Arm, "20.2"},
        {"com.ti.ccstudio.buildDefinitions.TMS470_TICLANG_3.2.exe.compilerDebug", Compiler::TiClang, InstructionSet::Arm, "3.2"},
        {"com.ti.ccstudio.buildDefinitions.MSP432_GNU_7.0.exe.compilerDebug", Compiler::Gnu, InstructionSet::Arm, "7.0"},
        {"com.ti.ccstudio.buildDefinitions.MSP430_21.6.exe.compilerDebug", Compiler::Ti, InstructionSet::Msp430, "21.6"},
        {"com.ti.ccstudio.buildDefinitions.PRU_2.3.exe.compilerDebug", Compiler::Ti, InstructionSet::Pru, "2.3"},
        {"cdt.managedbuild.tool.gnu.c.compiler", Compiler::Unknown, InstructionSet::Unknown, ""},
    };
    for (const auto& each : cases) {
        EXPECT_EQ(compilerOf(each.compiler), each.kind) << each.compiler;
        EXPECT_EQ(instructionSetOf(each.compiler), each.instructionSet) << each.compiler;
        EXPECT_EQ(toolVersionOf(each.compiler), each.version) << each.compiler;
    }
}

TEST(ToolChains, DeviceOfADeviceId) {
    EXPECT_EQ(deviceOf("TMS320C28XX.TMS320F28335"), "TMS320F28335");
    EXPECT_EQ(deviceOf("TMS320C67XX.TMS320C6747.EVMC6747"), "TMS320C6747");
    EXPECT_EQ(deviceOf("Cortex M.TM4C123GH6PM"), "TM4C123GH6PM");
    EXPECT_EQ(deviceOf("MSP430G2553"), "MSP430G2553");
    EXPECT_EQ(deviceOf("com.ti.ccstudio.deviceModel.C2000.GenericC28xxDevice"), "");
}

}  // namespace
