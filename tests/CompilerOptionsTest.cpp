#include <gtest/gtest.h>

#include "model/SourceGroup.h"
#include "reader/CompilerOptions.h"

namespace {

using Macros = std::map<std::string, std::string>;
using Includes = std::set<std::string>;

const std::string projectFolder = "C:\\work\\app";

SourceGroup translated(const std::string& line, const std::string& cpuFamily = "") {
    SourceGroup group("Debug", nullptr);
    translateCompilerOptions(line, group, cpuFamily, projectFolder);
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
    EXPECT_EQ(translated("Options=-d\"NAME=1\" -g").getMacroDefinitions(),
              (Macros{{"NAME", "ZRN_STRINGIFY(1)"}, {"ZRN_STRINGIFY(x)", "#x"}}));
    EXPECT_EQ(translated("Options=-dFOO=").getMacroDefinitions(), (Macros{{"FOO", ""}}));
    EXPECT_EQ(translated("Options=-dMSG=\"a b\"").getMacroDefinitions(),
              (Macros{{"MSG", "ZRN_STRINGIFY(a)"}, {"ZRN_STRINGIFY(x)", "#x"}}));
    EXPECT_EQ(translated("Options=-dA=x=y").getMacroDefinitions(), (Macros{{"A", "x=y"}}));
    EXPECT_EQ(translated("Options=--define=X").getMacroDefinitions(), (Macros{{"efine", "X"}}));
    EXPECT_EQ(translated("Options=-g -d").getMacroDefinitions(), (Macros{{"", ""}}));
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
