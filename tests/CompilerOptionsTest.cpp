#include <gtest/gtest.h>

#include "GroupFiles.h"
#include "base/PathText.h"
#include "model/SourceGroup.h"
#include "readers/pjt/CompilerOptions.h"
#include "readers/pjt/PjtPaths.h"

namespace {

using Includes = std::set<std::string>;

SourceGroup translated(const std::string& line, const std::string& cpuFamily = "") {
    SourceGroup group("Debug");
    PjtPaths paths("C:\\work\\app", {});
    translateCompilerOptions(line, group, cpuFamily, paths);
    return group;
}

TEST(TranslateCompilerOptions, WorkedExample) {
    SourceGroup group = translated(
        "Options=-g -i\"..\\inc\" -i\"C:\\ti\\include\" -d\"_DEBUG\" -dLEVEL=2 -dNAME=\"abc\"", "DSPX");
    EXPECT_EQ(macrosOf(group), (Macros{{"CPUFamily", "DSPX"},
                                                   {"LEVEL", "2"},
                                                   {"NAME", "\"abc\""},
                                                   {"_DEBUG", ""}}));
    EXPECT_EQ(group.getIncludePaths(), (Includes{"C:\\work\\app\\..\\inc", "C:\\ti\\include"}));
}

TEST(TranslateCompilerOptions, DefinitionForms) {
    EXPECT_EQ(macrosOf(translated("Options=-dFOO=")), (Macros{{"FOO", ""}}));
    EXPECT_EQ(macrosOf(translated("Options=-dMSG=\"a b\"")),
              (Macros{{"MSG", "\"a\""}}));
    EXPECT_EQ(macrosOf(translated("Options=-dA=x=y")), (Macros{{"A", "x=y"}}));
    EXPECT_EQ(macrosOf(translated("Options=--define=X")), (Macros{{"efine", "X"}}));
    EXPECT_EQ(macrosOf(translated("Options=-g -d")), (Macros{{"", ""}}));
}

// Lines as Code Composer writes them, which quotes every definition as a whole.
TEST(TranslateCompilerOptions, DefinitionsQuotedAsAWhole) {
    EXPECT_EQ(macrosOf(translated("Options=-g -fr\"$(Proj_dir)\\Debug\" -d\"_DEBUG\" -d\"LARGE_MODEL\" -ml -v28")),
              (Macros{{"LARGE_MODEL", ""}, {"_DEBUG", ""}}));
    EXPECT_EQ(macrosOf(translated("Options=-d\"NUMST=1\" -d\"HAVESTDIO=\" -d\"MODEL=adc_oku\" -d\"MT=0\" -ml")),
              (Macros{{"HAVESTDIO", ""}, {"MODEL", "adc_oku"}, {"MT", "0"}, {"NUMST", "1"}}));
    EXPECT_EQ(macrosOf(translated("Options=-d\"xdc_target__=<ti/targets/std.h>\" -mv6740")),
              (Macros{{"xdc_target__", "<ti/targets/std.h>"}}));
    // The last option's closing quote goes with the option text's own trimming.
    EXPECT_EQ(macrosOf(translated("Options=-g -d\"NUMST=1\"")), (Macros{{"NUMST", "1"}}));
}

TEST(TranslateCompilerOptions, QuotesInsideAValueStillMakeAString) {
    EXPECT_EQ(macrosOf(translated("Options=-dNAME=\"abc\" -g")),
              (Macros{{"NAME", "\"abc\""}}));
    // Cut at its blank, the definition no longer ends with a quote.
    EXPECT_EQ(macrosOf(translated("Options=-d\"MSG=\"a b\"\" -g")),
              (Macros{{"MSG", "\"a\""}}));
    EXPECT_EQ(macrosOf(translated("Options=-d\"Q=\"x\"\" -g")),
              (Macros{{"Q", "\"x\""}}));
    EXPECT_EQ(macrosOf(translated("Options=-d\" -g")), (Macros{{"", ""}}));
}

TEST(TranslateCompilerOptions, IncludeFoldersWithBuildMacros) {
    SourceGroup group("Debug");
    PjtPaths paths("C:\\work\\app", {{"INSTALL_DIR", "C:\\CCStudio_v3.3"}});
    translateCompilerOptions("Options=-g -i\"$(Proj_dir)\\inc\" -i\"$(Proj_dir)\\..\\common\" "
                             "-i\"$(Install_dir)\\c5400\\dsk5416\\include\" -i\"%BIOS_INSTALL_DIR%/packages\" -ml",
                             group, "", paths);
    EXPECT_EQ(group.getIncludePaths(),
              (Includes{"%BIOS_INSTALL_DIR%/packages", "C:\\CCStudio_v3.3\\c5400\\dsk5416\\include",
                        "C:\\work\\app\\..\\common", "C:\\work\\app\\inc"}));
    EXPECT_EQ(paths.unresolvedMacros(), (std::vector<std::string>{"%BIOS_INSTALL_DIR%"}));
}

TEST(TranslateCompilerOptions, LaterValuesAndTheCpuFamilyWin) {
    EXPECT_EQ(macrosOf(translated("Options=-dA=1 -dA=2")), (Macros{{"A", "2"}}));
    EXPECT_EQ(macrosOf(translated("Options=-dCPUFamily=1", "DSPX")), (Macros{{"CPUFamily", "DSPX"}}));
    EXPECT_EQ(macrosOf(translated("Options=-dCPUFamily=1")), (Macros{{"CPUFamily", "1"}}));
}

TEST(TranslateCompilerOptions, IncludeForms) {
    SourceGroup group = translated("Options=-i\"C:\\my-dir\"");
    EXPECT_EQ(group.getIncludePaths(), (Includes{"C:\\my-dir"}));
    EXPECT_EQ(macrosOf(group), (Macros{{"ir", ""}}));

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
    EXPECT_EQ(macrosOf(translated("Options=-dLEVEL=2\r")), (Macros{{"LEVEL", "2"}}));
    EXPECT_EQ(macrosOf(translated("Options=-d_DEBUG\r")), (Macros{{"_DEBUG", ""}}));
    EXPECT_EQ(macrosOf(translated("Options=-dNAME=\"abc\"\r")),
              (Macros{{"NAME", "\"abc\""}}));
    EXPECT_EQ(translated("Options=-i\"inc\r").getIncludePaths(), (Includes{"C:\\work\\app\\inc"}));
}

TEST(StripChar, RemovesRunsAtBothEndsOnly) {
    EXPECT_EQ(stripChar("\"\"a\"b\"", '"'), "a\"b");
    EXPECT_EQ(stripChar("\"\"", '"'), "");
    EXPECT_EQ(stripChar("", '"'), "");
    EXPECT_EQ(trimField("  \" a b \"  "), " a b ");
}

}  // namespace
