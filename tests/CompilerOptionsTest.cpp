#include <gtest/gtest.h>

#include "model/SourceGroup.h"
#include "reader/CompilerOptions.h"
#include "reader/ProjectPaths.h"

namespace {

using Macros = std::map<std::string, std::string>;
using Includes = std::set<std::string>;

SourceGroup translated(const std::string& line, const std::string& cpuFamily = "") {
    SourceGroup group("Debug", nullptr);
    ProjectPaths paths("C:\\work\\app", {});
    translateCompilerOptions(line, group, cpuFamily, paths);
    return group;
}

TEST(TranslateCompilerOptions, WorkedExample) {
    SourceGroup group = translated(
        "Options=-g -i\"..\\inc\" -i\"C:\\ti\\include\" -d\"_DEBUG\" -dLEVEL=2 -dNAME=\"abc\"", "DSPX");
    EXPECT_EQ(group.getMacroDefinitions(), (Macros{{"CPUFamily", "DSPX"},
                                                   {"LEVEL", "2"},
                                                   {"NAME", "ZRN_STRINGIFY(abc)"},
                                                   {"ZRN_STRINGIFY(x)", "#x"},
                                                   {"_DEBUG", ""}}));
    EXPECT_EQ(group.getIncludePaths(), (Includes{"C:\\work\\app\\..\\inc", "C:\\ti\\include"}));
}

TEST(TranslateCompilerOptions, DefinitionForms) {
    EXPECT_EQ(translated("Options=-dFOO=").getMacroDefinitions(), (Macros{{"FOO", ""}}));
    EXPECT_EQ(translated("Options=-dMSG=\"a b\"").getMacroDefinitions(),
              (Macros{{"MSG", "ZRN_STRINGIFY(a)"}, {"ZRN_STRINGIFY(x)", "#x"}}));
    EXPECT_EQ(translated("Options=-dA=x=y").getMacroDefinitions(), (Macros{{"A", "x=y"}}));
    EXPECT_EQ(translated("Options=--define=X").getMacroDefinitions(), (Macros{{"efine", "X"}}));
    EXPECT_EQ(translated("Options=-g -d").getMacroDefinitions(), (Macros{{"", ""}}));
}

// Lines as Code Composer writes them, which quotes every definition as a whole.
TEST(TranslateCompilerOptions, DefinitionsQuotedAsAWhole) {
    EXPECT_EQ(translated("Options=-g -fr\"$(Proj_dir)\\Debug\" -d\"_DEBUG\" -d\"LARGE_MODEL\" -ml -v28")
                  .getMacroDefinitions(),
              (Macros{{"LARGE_MODEL", ""}, {"_DEBUG", ""}}));
    EXPECT_EQ(translated("Options=-d\"NUMST=1\" -d\"HAVESTDIO=\" -d\"MODEL=adc_oku\" -d\"MT=0\" -ml").getMacroDefinitions(),
              (Macros{{"HAVESTDIO", ""}, {"MODEL", "adc_oku"}, {"MT", "0"}, {"NUMST", "1"}}));
    EXPECT_EQ(translated("Options=-d\"xdc_target__=<ti/targets/std.h>\" -mv6740").getMacroDefinitions(),
              (Macros{{"xdc_target__", "<ti/targets/std.h>"}}));
    // The last option's closing quote goes with the option text's own trimming.
    EXPECT_EQ(translated("Options=-g -d\"NUMST=1\"").getMacroDefinitions(), (Macros{{"NUMST", "1"}}));
}

TEST(TranslateCompilerOptions, QuotesInsideAValueStillMakeAString) {
    EXPECT_EQ(translated("Options=-dNAME=\"abc\" -g").getMacroDefinitions(),
              (Macros{{"NAME", "ZRN_STRINGIFY(abc)"}, {"ZRN_STRINGIFY(x)", "#x"}}));
    // Cut at its blank, the definition no longer ends with a quote.
    EXPECT_EQ(translated("Options=-d\"MSG=\"a b\"\" -g").getMacroDefinitions(),
              (Macros{{"MSG", "ZRN_STRINGIFY(a)"}, {"ZRN_STRINGIFY(x)", "#x"}}));
    EXPECT_EQ(translated("Options=-d\"Q=\"x\"\" -g").getMacroDefinitions(),
              (Macros{{"Q", "ZRN_STRINGIFY(x)"}, {"ZRN_STRINGIFY(x)", "#x"}}));
    EXPECT_EQ(translated("Options=-d\" -g").getMacroDefinitions(), (Macros{{"", ""}}));
}

TEST(TranslateCompilerOptions, IncludeFoldersWithBuildMacros) {
    SourceGroup group("Debug", nullptr);
    ProjectPaths paths("C:\\work\\app", {{"INSTALL_DIR", "C:\\CCStudio_v3.3"}});
    translateCompilerOptions("Options=-g -i\"$(Proj_dir)\\inc\" -i\"$(Proj_dir)\\..\\common\" "
                             "-i\"$(Install_dir)\\c5400\\dsk5416\\include\" -i\"%BIOS_INSTALL_DIR%/packages\" -ml",
                             group, "", paths);
    EXPECT_EQ(group.getIncludePaths(),
              (Includes{"%BIOS_INSTALL_DIR%/packages", "C:\\CCStudio_v3.3\\c5400\\dsk5416\\include",
                        "C:\\work\\app\\..\\common", "C:\\work\\app\\inc"}));
    EXPECT_EQ(paths.unresolvedMacros(), (std::vector<std::string>{"%BIOS_INSTALL_DIR%"}));
}

TEST(TranslateCompilerOptions, LaterValuesAndTheCpuFamilyWin) {
    EXPECT_EQ(translated("Options=-dA=1 -dA=2").getMacroDefinitions(), (Macros{{"A", "2"}}));
    EXPECT_EQ(translated("Options=-dCPUFamily=1", "DSPX").getMacroDefinitions(), (Macros{{"CPUFamily", "DSPX"}}));
    EXPECT_EQ(translated("Options=-dCPUFamily=1").getMacroDefinitions(), (Macros{{"CPUFamily", "1"}}));
}

TEST(TranslateCompilerOptions, IncludeForms) {
    SourceGroup group = translated("Options=-i\"C:\\my-dir\"");
    EXPECT_EQ(group.getIncludePaths(), (Includes{"C:\\my-dir"}));
    EXPECT_EQ(group.getMacroDefinitions(), (Macros{{"ir", ""}}));

    EXPECT_TRUE(translated("Options=-iC:\\inc -I\"x\"").getIncludePaths().empty());
    EXPECT_EQ(translated("Options=-i\"\" -g").getIncludePaths(), (Includes{"C:\\work\\app\\"}));
    // The quotes that end the option text are trimmed with it, marker and all.
    EXPECT_TRUE(translated("Options=-g -i\"\"").getIncludePaths().empty());
    EXPECT_EQ(translated("Options=-i\"\\inc\"").getIncludePaths(), (Includes{"C:\\work\\app\\\\inc"}));
    EXPECT_EQ(translated("Options=-i\"a/b\" -i\"a/b\" -i\" sp ace \"").getIncludePaths(),
              (Includes{"C:\\work\\app\\ sp ace", "C:\\work\\app\\a/b"}));
}

TEST(TranslateCompilerOptions, EmptyOptionsAddNothing) {
    for (const char* line : {"Options=", "Options=   ", "Options=\"\"", "Options= \"\" "}) {
        SourceGroup group = translated(line, "DSPX");
        EXPECT_FALSE(group.hasOwnSettings()) << line;
    }
}

TEST(TranslateCompilerOptions, CarriageReturnAtTheEndOfTheLine) {
    EXPECT_EQ(translated("Options=-dLEVEL=2\r").getMacroDefinitions(), (Macros{{"LEVEL", "2"}}));
    EXPECT_EQ(translated("Options=-d_DEBUG\r").getMacroDefinitions(), (Macros{{"_DEBUG", ""}}));
    EXPECT_EQ(translated("Options=-dNAME=\"abc\"\r").getMacroDefinitions(),
              (Macros{{"NAME", "ZRN_STRINGIFY(abc)"}, {"ZRN_STRINGIFY(x)", "#x"}}));
    EXPECT_EQ(translated("Options=-i\"inc\r").getIncludePaths(), (Includes{"C:\\work\\app\\inc"}));
}

TEST(StripChar, RemovesRunsAtBothEndsOnly) {
    EXPECT_EQ(stripChar("\"\"a\"b\"", '"'), "a\"b");
    EXPECT_EQ(stripChar("\"\"", '"'), "");
    EXPECT_EQ(stripChar("", '"'), "");
    EXPECT_EQ(trimField("  \" a b \"  "), " a b ");
}

}  // namespace
